// The program's own controls: a child window of its own class that paints
// itself, takes the focus and keys, and holds child controls of its own.
// ControlMaker is what a window and a user control share: making controls.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/user_control.h"
#include "win32/child_control.h"
#include "win32/common_controls.h"
#include "win32/list_box_control.h"
#include "win32/media_player_control.h"
#include "win32/picture_box_control.h"

namespace vantiro::win32 {

template <typename Interface>
class ControlMaker : public Interface {
 public:
  std::unique_ptr<ListBox> CreateListBox(ListBox::Events events) override {
    return std::make_unique<ListBoxControl>(NextParts(), std::move(events));
  }
  std::unique_ptr<Button> CreateButton(const std::string& caption, ButtonRole role,
                                       Button::Events events) override {
    UsesDialogKeys();
    return std::make_unique<ButtonControl>(NextParts(), caption, role, std::move(events));
  }
  std::unique_ptr<Label> CreateLabel(const std::string& caption) override {
    return std::make_unique<LabelControl>(NextParts(), caption);
  }
  std::unique_ptr<Label> CreateTextBlock() override {
    return std::make_unique<TextBlockControl>(NextParts());
  }
  std::unique_ptr<CheckBox> CreateCheckBox(const std::string& caption,
                                           CheckBox::Events events) override {
    UsesDialogKeys();
    return std::make_unique<CheckBoxControl>(NextParts(), caption, std::move(events));
  }
  std::unique_ptr<ScrollBar> CreateHScrollBar(ScrollBar::Events events) override {
    UsesDialogKeys();
    return std::make_unique<ScrollBarControl>(NextParts(), std::move(events));
  }
  std::unique_ptr<PictureBox> CreatePictureBox(PictureBox::Events events) override {
    return std::make_unique<PictureBoxControl>(NextParts(), std::move(events));
  }
  std::unique_ptr<MediaPlayer> CreateMediaPlayer() override {
    return std::make_unique<MediaPlayerControl>(NextParts());
  }
  std::unique_ptr<UserControl> CreateUserControl(UserControl::Events events) override;

 protected:
  // The parent window, the font, the scale and a new id for a control.
  virtual ChildParts NextParts() = 0;
  // A control that Tab, Enter and Escape move between or press was made.
  virtual void UsesDialogKeys() {}
};

class UserControlWindow final : public ChildWindow<ControlMaker<UserControl>> {
 public:
  static constexpr const wchar_t* kClassName = L"VantiroUserControl";

  UserControlWindow(const ChildParts& parts, Events events);
  ~UserControlWindow() override;

  Twips ClientWidth() const override;
  Twips ClientHeight() const override;
  void Refresh() override;
  std::uintptr_t SystemHandle() const override {
    return reinterpret_cast<std::uintptr_t>(hwnd_.get());
  }

  // For the window procedure.
  void Attach(HWND hwnd) { Own(hwnd); }
  void Detach() { Abandon(); }
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  ChildParts NextParts() override { return {hwnd_.get(), font_, scale_, nextId_++}; }

 private:
  void Paint();

  Events events_;
  HFONT font_;
  int nextId_ = 1000;
};

template <typename Interface>
std::unique_ptr<UserControl> ControlMaker<Interface>::CreateUserControl(
    UserControl::Events events) {
  UsesDialogKeys();
  return std::make_unique<UserControlWindow>(NextParts(), std::move(events));
}

}  // namespace vantiro::win32
