// "Stay always on top" is shared by the program's windows; dialogs clear it
// while they are up so that nothing covers them.
#include "app/form1.h"
#include "commands/menu_names.h"

namespace vantiro {
namespace {

// The main window, then the preview windows. Those are made first if need
// be: a new one applies the option itself, which must not undo a change
// under way.
void SetTopMost(Window& main, Previews& previews, bool topMost) {
  const auto windows = previews.Windows();
  main.SetTopMost(topMost);
  for (Window* window : windows) window->SetTopMost(topMost);
}

}  // namespace

void Form1::mnuTopMost_Click() {
  options_.topMost = !options_.topMost;
  window_->SetMenuChecked(menu::mnuTopMost, options_.topMost);
  ApplyTopMost();
}

void Form1::ApplyTopMost() {
  if (options_.topMost) {
    SetAllTopMost();
  } else {
    ClearAllTopMost();
  }
}

void Form1::SetAllTopMost() { SetTopMost(*window_, *previews_, true); }

void Form1::ClearAllTopMost() { SetTopMost(*window_, *previews_, false); }

}  // namespace vantiro
