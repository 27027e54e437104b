// "Stay always on top" is shared by the program's windows; dialogs clear it
// while they are up so that nothing covers them.
#include "app/form1.h"

namespace vantiro {

void Form1::mnuTopMost_Click() {
  window_->SetMenuChecked(menu::mnuTopMost, !window_->MenuChecked(menu::mnuTopMost));
  ApplyTopMost();
}

void Form1::ApplyTopMost() {
  if (window_->MenuChecked(menu::mnuTopMost)) {
    SetAllTopMost();
  } else {
    ClearAllTopMost();
  }
}

void Form1::SetAllTopMost() {
  for (Window* window : TopMostWindows()) window->SetTopMost(true);
}

void Form1::ClearAllTopMost() {
  for (Window* window : TopMostWindows()) window->SetTopMost(false);
}

// The main window and the preview windows, in this order. A preview window
// is made for this if need be, hidden, before any is changed: a new one
// applies the option itself, which must not undo a clearing under way.
std::array<Window*, 4> Form1::TopMostWindows() {
  return {window_.get(), &form2().window(), &form3().window(), &frmHTML().window()};
}

}  // namespace vantiro
