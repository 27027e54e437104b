// "HTML files": a companion window listing the page titles of the HTML files
// of the current folder, line i for entry i of the file list.
#pragma once

#include <functional>
#include <memory>

#include "platform/window_system.h"

namespace vantiro {

class Form1;

class FrmHtml {
 public:
  FrmHtml(WindowSystem& ws, Form1& form1);

  Window& window() { return *window_; }
  ListBox& List1() { return *list1_; }
  // Closing it with its close box unloads it; the next use makes a new one.
  bool unloaded() const { return unloaded_; }

  void Form_Resize();
  void List1_MouseDown(const MouseEvent& event);
  void List1_DblClick();
  void mnuClose_Click() { window_->Hide(); }

 private:
  Form1& form1_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<ListBox> list1_;
  bool unloaded_ = false;
};

}  // namespace vantiro
