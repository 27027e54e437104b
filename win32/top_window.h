// A top-level window as the program sees it: a sizable tool window with a
// menu bar, whose list boxes share its font.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_system.h"
#include "win32/handles.h"
#include "win32/menu_bar.h"
#include "win32/units.h"

namespace vantiro::win32 {

class TopWindow final : public Window {
 public:
  static constexpr const char* kClassName = "VantiroWindow";

  // onGone runs as the object is destroyed.
  TopWindow(WindowDesign design, Events events, Scale scale,
            std::function<void(const TopWindow*)> onGone);
  ~TopWindow() override;

  HWND handle() const { return hwnd_.get(); }
  // The menu shortcuts, for keys typed in the window or its list boxes.
  bool TranslateShortcut(MSG& msg) const { return menu_.TranslateShortcut(msg); }

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
  void Hide() override;
  void SetFocus() override;
  void SetTopMost(bool topMost) override;
  void Close() override;

  Twips TextWidth(const std::string& text) const override;
  Twips TextHeight(const std::string& text) const override;
  std::vector<Twips> TextWidths(const std::vector<std::string>& texts) const override;

  std::unique_ptr<ListBox> CreateListBox(ListBox::Events events) override;

  bool MenuChecked(std::string_view name) const override { return menu_.Checked(name); }
  void SetMenuChecked(std::string_view name, bool checked) override {
    menu_.SetChecked(name, checked);
  }
  bool MenuEnabled(std::string_view name) const override { return menu_.Enabled(name); }
  void SetMenuEnabled(std::string_view name, bool enabled) override {
    menu_.SetEnabled(name, enabled);
  }
  bool MenuVisible(std::string_view name) const override { return menu_.Visible(name); }
  void SetMenuVisible(std::string_view name, bool visible) override {
    menu_.SetVisible(name, visible);
  }
  void PopupMenu(std::string_view name) override { menu_.Popup(name); }

  void DragByCaption() override;
  void ShowHelp(const std::string& helpFile, unsigned command) override;

  // For the window procedure.
  void Attach(HWND hwnd) { hwnd_.reset(hwnd); }
  void Detach();
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  RECT Bounds() const;  // pixels, on the screen
  void FitClientSize(int width, int height);
  void Move(int x, int y);
  void Resize(int width, int height);

  Scale scale_;
  std::function<void(const TopWindow*)> onGone_;
  UniqueFont font_;
  MenuBar menu_;
  Events events_;  // bound once the window exists
  UniqueWindow hwnd_;
  int nextControlId_ = 1000;
};

}  // namespace vantiro::win32
