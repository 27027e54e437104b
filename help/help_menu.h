// The Help menu: the help file beside the program, and the about box.
#pragma once

#include <functional>
#include <string>

#include "platform/file_system.h"
#include "platform/window_system.h"

namespace vantiro {

class HelpMenu {
 public:
  // While the modal about box is up, nothing may cover it: coverable(false)
  // clears the top-most option from the program's windows, coverable(true)
  // applies it again.
  HelpMenu(WindowSystem& ws, FileSystem& fs, Window& main, const std::string& programDir,
           std::function<void(bool)> coverable)
      : ws_(ws), fs_(fs), main_(main), programDir_(programDir), coverable_(std::move(coverable)) {}

  static MenuItem Menu(HandlerOf<HelpMenu> of);

  void mnuHowTo_Click() { ShowManual(); }
  void mnuAbout_Click();
  // The help file in the WinHelp viewer, else the same manual as a page
  // in the user's browser.
  void ShowManual();

 private:
  WindowSystem& ws_;
  FileSystem& fs_;
  Window& main_;
  const std::string& programDir_;
  std::function<void(bool)> coverable_;
};

}  // namespace vantiro
