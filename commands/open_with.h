// "Open with": the programs registered for a file's type, and any other the
// user finds with "Browse..."; OK opens the file with the one selected. The
// program's own box, for shells that have no Open With dialog.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/window_system.h"

namespace vantiro {

class FrmOpenWith {
 public:
  FrmOpenWith(WindowSystem& ws, FileSystem& fs, std::string file);

  // Shows the box until the user closes it.
  void ShowModal() { window_->ShowModal(); }

  Window& window() { return *window_; }
  ListBox& List1() { return *list1_; }
  void cmdBrowse_Click();
  void cmdOK_Click();

 private:
  WindowSystem& ws_;
  FileSystem& fs_;
  const std::string file_;
  std::vector<std::string> programs_;  // as the list shows them
  std::unique_ptr<Window> window_;
  std::unique_ptr<Label> label1_;
  std::unique_ptr<ListBox> list1_;
  std::unique_ptr<Button> cmdBrowse_, cmdOK_, cmdCancel_;
};

}  // namespace vantiro
