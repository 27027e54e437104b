#include "app/top_most.h"

#include "commands/menu_names.h"

namespace vantiro {

MenuItem TopMost::MenuEntry(HandlerOf<TopMost> of) {
  return Item(menu::mnuTopMost, "Stay always on top", {}, Calls(of, &TopMost::mnuTopMost_Click));
}

void TopMost::mnuTopMost_Click() {
  options_.topMost = !options_.topMost;
  main_.SetMenuChecked(menu::mnuTopMost, options_.topMost);
  ApplyTopMost();
}

void TopMost::ApplyTopMost() { SetTopMost(options_.topMost); }

void TopMost::SetAllTopMost() { SetTopMost(true); }

void TopMost::ClearAllTopMost() { SetTopMost(false); }

// The main window, then the preview windows. Those are made first if need
// be: a new one applies the option itself, which must not undo a change
// under way.
void TopMost::SetTopMost(bool topMost) {
  const auto windows = previews_.Windows();
  main_.SetTopMost(topMost);
  for (Window* window : windows) window->SetTopMost(topMost);
}

}  // namespace vantiro
