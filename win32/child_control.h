// The adapter's side of every child control. A system control is found back
// from its window handle through its subclass (win32/window_subclass.h),
// never by a blind cast, so that its host can hand it the notifications the
// host receives for it (WM_COMMAND, WM_NOTIFY, WM_HSCROLL/WM_VSCROLL,
// WM_CTLCOLOR*, WM_DRAWITEM). A control of a window class of the program's
// own is bound to its window as every such window is (win32/window_binding.h).
// ChildWindow implements what every control has.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/control.h"
#include "win32/handles.h"
#include "win32/units.h"
#include "win32/window_subclass.h"

namespace vantiro::win32 {

class ChildControl {
 public:
  // The control of this thread behind a window, or nullptr.
  static ChildControl* FromHandle(HWND hwnd);
  virtual HWND handle() const = 0;

  virtual void OnCommand(WORD /*code*/) {}
  virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
  virtual void OnScroll(WORD /*code*/) {}
  // The brush to paint the control's background with; nullptr for the
  // system's own.
  virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }

 protected:
  ChildControl() = default;
  ~ChildControl() = default;
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;
};

// Hands a host's message about one of its children to that child: true,
// with the result to return, when the child took it.
bool ForwardToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// What a host gives each control it makes.
struct ChildParts {
  HWND parent = nullptr;
  HFONT font = nullptr;
  Scale scale;
  int id = 0;
};

// A window's text: a caption, or what a control shows; "" without a window.
std::string TextOf(HWND hwnd);

// Shared by every ChildWindow, whatever its interface.
RECT ChildBounds(HWND hwnd);  // pixels, in the parent's client area
void PlaceChild(HWND hwnd, const RECT& bounds);
void SetToolTipOf(HWND hwnd, UniqueWindow& toolTip, const std::string& text);
int KeyShift();  // the shift keys held now, as the program counts them
// Sent to the window with the focus for a key pressed with Ctrl, before
// the menus' shortcuts see it: TRUE when the control took it (a list box
// whose rows the program chooses selects all of them on Ctrl+A).
UINT ControlKeyMessage();
// A mouse message's button, shift keys and point, in twips.
MouseEvent MouseAt(int button, WPARAM wParam, LPARAM lParam, const Scale& scale);

// What a control of a window class of the program's own hears alike:
// presses (which take the focus), keys and the focus. False, and nothing
// done, for any other message.
template <typename Events>
bool HandleInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const Scale& scale,
                 const Events& events, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      ::SetFocus(hwnd);
      if (events.mouseDown) {
        const int button = message == WM_LBUTTONDOWN ? kLeftButton : kRightButton;
        events.mouseDown(MouseAt(button, wParam, lParam, scale));
      }
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (events.keyDown) events.keyDown({static_cast<int>(wParam), KeyShift()});
      return message == WM_KEYDOWN;  // Alt keys still reach the menu
    case WM_GETDLGCODE:
      result = DLGC_WANTARROWS;
      return true;
    case WM_SETFOCUS:
      if (events.gotFocus) events.gotFocus();
      return true;
    case WM_KILLFOCUS:
      if (events.lostFocus) events.lostFocus();
      return true;
  }
  return false;
}

// Drawing on a device context while a control paints.
class DcCanvas final : public Canvas {
 public:
  DcCanvas(HDC dc, Scale scale) : dc_(dc), scale_(scale) {}
  void FillRect(Twips left, Twips top, Twips width, Twips height, Color color) override;
  void DrawFocusRect(Twips left, Twips top, Twips width, Twips height) override;
  void DrawPicture(const PictureBox& source, Twips left, Twips top) override;

 private:
  RECT Pixels(Twips left, Twips top, Twips width, Twips height) const;

  HDC dc_;
  Scale scale_;
};

// Control's members on a child window; Interface is the program's control.
template <typename Interface>
class ChildWindow : public Interface, public ChildControl {
 public:
  HWND handle() const override { return hwnd_.get(); }

  Twips Left() const override { return scale_.XToTwips(ChildBounds(hwnd_.get()).left); }
  Twips Top() const override { return scale_.YToTwips(ChildBounds(hwnd_.get()).top); }
  Twips Width() const override {
    const RECT bounds = ChildBounds(hwnd_.get());
    return scale_.XToTwips(bounds.right - bounds.left);
  }
  Twips Height() const override {
    const RECT bounds = ChildBounds(hwnd_.get());
    return scale_.YToTwips(bounds.bottom - bounds.top);
  }
  void SetLeft(Twips left) override { Move(left, Top(), Width(), Height()); }
  void SetTop(Twips top) override { Move(Left(), top, Width(), Height()); }
  void SetWidth(Twips width) override { Move(Left(), Top(), width, Height()); }
  void SetHeight(Twips height) override { Move(Left(), Top(), Width(), height); }
  // Each edge is rounded to a pixel on its own, so that neighbours meet.
  void Move(Twips left, Twips top, Twips width, Twips height) override {
    const int x = scale_.XToPixels(left), y = scale_.YToPixels(top);
    PlaceChild(hwnd_.get(), {x, y, x + scale_.XToPixels(width), y + scale_.YToPixels(height)});
  }

  bool Visible() const override {
    return hwnd_ && (GetWindowLongPtrW(hwnd_.get(), GWL_STYLE) & WS_VISIBLE) != 0;
  }
  void SetVisible(bool visible) override {
    if (hwnd_) ShowWindow(hwnd_.get(), visible ? SW_SHOWNA : SW_HIDE);
  }
  bool Enabled() const override { return hwnd_ && IsWindowEnabled(hwnd_.get()); }
  void SetEnabled(bool enabled) override {
    if (hwnd_) EnableWindow(hwnd_.get(), enabled);
  }
  bool HasFocus() const override { return hwnd_ && GetFocus() == hwnd_.get(); }
  void SetFocus() override {
    if (hwnd_) ::SetFocus(hwnd_.get());
  }
  void SetToolTip(const std::string& text) override { SetToolTipOf(hwnd_.get(), toolTip_, text); }

 protected:
  explicit ChildWindow(Scale scale) : scale_(scale) {}
  // A control that takes messages of its window destroys it in its own
  // destructor, while it is still whole, and abandons it there at
  // WM_NCDESTROY; a standard control's window goes here, its subclass first
  // so that its host hands nothing to a control half gone.
  ~ChildWindow() {
    subclass_.reset();
    hwnd_.reset();
  }

  // Takes the window of a system control, subclassed to hear its messages.
  void Adopt(HWND hwnd, HFONT font) {
    Own(hwnd);
    if (!hwnd) return;
    subclass_.emplace(hwnd, static_cast<ChildControl*>(this),
                      [this](UINT message, WPARAM wParam, LPARAM lParam) {
                        return OnMessage(message, wParam, lParam);
                      });
    if (font) Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  // Takes the window of a class of the program's own, at WM_NCCREATE.
  void Own(HWND hwnd) { hwnd_.reset(hwnd); }
  // At WM_NCDESTROY: the window goes without the control.
  void Abandon() { static_cast<void>(hwnd_.release()); }
  // A message of a system control's window; the control's own handling.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return subclass_->Default(message, wParam, lParam);
  }
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return subclass_->Default(message, wParam, lParam);
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return hwnd_ ? SendMessageW(hwnd_.get(), message, wParam, lParam) : 0;
  }

  Scale scale_;
  UniqueWindow toolTip_;  // goes after the window
  UniqueWindow hwnd_;
  std::optional<WindowSubclass> subclass_;  // of a system control
};

// A child window of a standard class ("BUTTON", "LISTBOX", ...).
HWND CreateChild(const ChildParts& parts, const wchar_t* windowClass, const std::string& text,
                 DWORD style, DWORD exStyle = 0);

}  // namespace vantiro::win32
