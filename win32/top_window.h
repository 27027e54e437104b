// A top-level window as the program sees it: a tool window or a dialog,
// with a menu bar or none, whose controls share its font. Its menu
// shortcuts and, once it holds buttons, the dialog keys (Tab, Enter,
// Escape) act on the keys typed in it.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"
#include "win32/handles.h"
#include "win32/units.h"
#include "win32/user_control_window.h"
#include "win32/win32_menu_bar.h"

namespace vantiro::win32 {

// Hands a message from the queue to its window, through the shortcuts and
// dialog keys of the program's window it was typed in.
void DispatchQueued(MSG& msg);

class TopWindow final : public ControlMaker<Window> {
 public:
  static constexpr const wchar_t* kClassName = L"VantiroWindow";

  TopWindow(WindowDesign design, Events events, Scale scale);
  ~TopWindow() override;

  // The program's window of this thread behind a handle, or nullptr.
  static TopWindow* FromHandle(HWND hwnd);
  HWND handle() const { return hwnd_.get(); }
  // True when the message was a shortcut or dialog key, and has acted.
  bool PreTranslate(MSG& msg);

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;

  Twips Left() const override { return scale_.XToTwips(Bounds().left); }
  Twips Top() const override { return scale_.YToTwips(Bounds().top); }
  Twips Width() const override;
  Twips Height() const override;
  Twips ClientWidth() const override;
  Twips ClientHeight() const override;
  void SetLeft(Twips left) override;
  void SetTop(Twips top) override;
  void SetWidth(Twips width) override;
  void SetHeight(Twips height) override;
  WindowState State() const override;

  bool Visible() const override;
  void Show() override;
  void ShowModal() override;
  void Hide() override;
  void SetFocus() override;
  void SetTopMost(bool topMost) override;
  void Close() override;

  Twips TextHeight(const std::string& text) const override;
  std::shared_ptr<const TextMeasure> Measurer() const override;

  void SetMenuChecked(std::string_view name, bool checked) override {
    menu_.SetChecked(name, checked);
  }
  void SetMenuEnabled(std::string_view name, bool enabled) override {
    menu_.SetEnabled(name, enabled);
  }
  bool MenuVisible(std::string_view name) const override { return menu_.Visible(name); }
  void SetMenuVisible(std::string_view name, bool visible) override {
    menu_.SetVisible(name, visible);
  }
  void PopupMenu(std::string_view name) override { menu_.Popup(name); }

  void DragByCaption() override;
  bool ShowHelp(const std::string& helpFile, unsigned command) override;
  std::optional<std::string> ChooseFile(const std::string& title, const std::string& filterName,
                                        const std::string& pattern) override;
  std::uintptr_t SystemHandle() const override {
    return reinterpret_cast<std::uintptr_t>(hwnd_.get());
  }

  // For the window procedure.
  void Attach(HWND hwnd) { hwnd_.reset(hwnd); }
  void Detach();
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

 protected:
  ChildParts NextParts() override { return {hwnd_.get(), font_.get(), scale_, nextControlId_++}; }
  void UsesDialogKeys() override { dialogKeys_ = true; }

 private:
  RECT Bounds() const;  // pixels, on the screen
  void FitClientSize(int width, int height);
  void Move(int x, int y);
  void Resize(int width, int height);

  // Pixels a text of printable ASCII takes: the sum of its characters'
  // advances, asked of the font once, as GetTextExtentPoint32 adds them up.

  Scale scale_;
  UniqueFont font_;
  Win32MenuBar menu_;
  Events events_;  // bound once the window exists
  UniqueWindow hwnd_;
  int nextControlId_ = 1000;
  bool dialogKeys_ = false;
  HWND focusedChild_ = nullptr;  // when the window was last made inactive
};

}  // namespace vantiro::win32
