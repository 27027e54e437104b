// The standard controls: push buttons, labels, blocks of text, check boxes
// and horizontal scroll bars, each a child window of the system's own class.
#pragma once

#include <windows.h>

#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/label.h"
#include "platform/scroll_bar.h"
#include "win32/child_control.h"

namespace vantiro::win32 {

// The default button has the id IDOK and the cancel button IDCANCEL: the
// dialog keys (Enter, Escape) press those.
class ButtonControl final : public ChildWindow<Button> {
 public:
  ButtonControl(const ChildParts& parts, const std::string& caption, ButtonRole role,
                Events events);

  void OnCommand(WORD code) override;
  std::string Caption() const override { return TextOf(hwnd_.get()); }
  void SetCaption(const std::string& caption) override;
  void SetImage(const std::string& resourceName) override;

 private:
  Events events_;
  UniqueBitmap image_;
};

class LabelControl final : public ChildWindow<Label> {
 public:
  LabelControl(const ChildParts& parts, const std::string& caption);

  std::string Caption() const override { return TextOf(hwnd_.get()); }
  void SetCaption(const std::string& caption) override;
};

// A read-only edit box in a fixed-pitch font as high as the window's:
// the text can be scrolled, selected and copied, and read by other programs.
class TextBlockControl final : public ChildWindow<Label> {
 public:
  explicit TextBlockControl(const ChildParts& parts);

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;

 private:
  UniqueFont font_;  // goes after the window
};

class CheckBoxControl final : public ChildWindow<CheckBox> {
 public:
  CheckBoxControl(const ChildParts& parts, const std::string& caption, Events events);

  void OnCommand(WORD code) override;
  std::string Caption() const override { return TextOf(hwnd_.get()); }
  void SetCaption(const std::string& caption) override;
  bool Checked() const override { return Send(BM_GETCHECK) == BST_CHECKED; }
  void SetChecked(bool checked) override;

 private:
  Events events_;
};

// Keeps its own range and value: the system's scroll positions are 16 bits
// in WM_HSCROLL, and a value set before the window shows must stay.
class ScrollBarControl final : public ChildWindow<ScrollBar> {
 public:
  ScrollBarControl(const ChildParts& parts, Events events);

  void OnScroll(WORD code) override;
  void SetRange(int min, int max) override;
  int Value() const override { return value_; }
  void SetValue(int value) override;
  void SetChanges(int smallChange, int largeChange) override;

 private:
  // Moves the thumb; true when the value changed.
  bool Place(int value);

  Events events_;
  int min_ = 0, max_ = 32767, value_ = 0, smallChange_ = 1, largeChange_ = 1;
};

}  // namespace vantiro::win32
