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

// The preview windows are made for this if need be, hidden.
void Form1::SetAllTopMost() {
  window_->SetTopMost(true);
  form2().window().SetTopMost(true);
  form3().window().SetTopMost(true);
  frmHTML().window().SetTopMost(true);
}

void Form1::ClearAllTopMost() {
  window_->SetTopMost(false);
  form2().window().SetTopMost(false);
  form3().window().SetTopMost(false);
  frmHTML().window().SetTopMost(false);
}

}  // namespace vantiro
