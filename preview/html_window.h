// "HTML files": a companion window listing the page titles of the HTML files
// of the current folder, line i for entry i of the file list. It shows the
// rows it is given and tells of a press on one; the main window decides
// what the press selects.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace vantiro {

class FrmHtml {
 public:
  struct Events {
    std::function<void(int row, int button)> press;  // row -1: below the titles
    std::function<void()> dblClick;
  };
  FrmHtml(WindowSystem& ws, Events events);

  Window& window() { return *window_; }
  ListBox& List1() { return *list1_; }
  const std::vector<std::string>& Rows() const { return rows_; }
  void SetRows(std::vector<std::string> rows);
  // Closing it with its close box unloads it; the next use makes a new one.
  bool unloaded() const { return unloaded_; }

  void Form_Resize();
  void List1_MouseDown(const MouseEvent& event);
  void mnuClose_Click() { window_->Hide(); }

 private:
  WindowSystem& ws_;
  Events events_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<ListBox> list1_;
  std::vector<std::string> rows_;
  bool unloaded_ = false;
};

}  // namespace vantiro
