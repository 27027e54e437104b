// "Stay always on top", shared by the main window and the previews; dialogs
// clear it while they are up so that nothing covers them.
#pragma once

#include "browser/box_layout.h"
#include "platform/window.h"
#include "preview/previews.h"
#include "settings/options.h"

namespace vantiro {

class TopMost final : public BoxLayout::OnTop {
 public:
  TopMost(Window& main, Previews& previews, Options& options)
      : main_(main), previews_(previews), options_(options) {}

  static MenuItem MenuEntry(HandlerOf<TopMost> of);
  void mnuTopMost_Click();
  // The option as it stands, on or off.
  void ApplyTopMost() override;
  void SetAllTopMost() override;
  void ClearAllTopMost();

 private:
  void SetTopMost(bool topMost);

  Window& main_;
  Previews& previews_;
  Options& options_;
};

}  // namespace vantiro
