#include "win32/user_control_window.h"

#include "win32/window_binding.h"

namespace vantiro::win32 {

UserControlWindow::UserControlWindow(const ChildParts& parts, Events events)
    : ChildWindow(parts.scale), font_(parts.font) {
  // WS_EX_CONTROLPARENT: Tab goes on into the children.
  CreateWindowExW(WS_EX_CONTROLPARENT, BoundWindowClass<UserControlWindow>(), L"",
                  WS_CHILD | WS_TABSTOP | WS_CLIPCHILDREN, 0, 0, 0, 0, parts.parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(parts.id)),
                  GetModuleHandleW(nullptr), this);
  events_ = std::move(events);  // only now: the sizes of its creation are no one's
}

UserControlWindow::~UserControlWindow() {
  events_ = {};
  if (hwnd_) DestroyWindow(hwnd_.get());
}

Twips UserControlWindow::ClientWidth() const {
  RECT client{};
  if (hwnd_) GetClientRect(hwnd_.get(), &client);
  return scale_.XToTwips(client.right);
}

Twips UserControlWindow::ClientHeight() const {
  RECT client{};
  if (hwnd_) GetClientRect(hwnd_.get(), &client);
  return scale_.YToTwips(client.bottom);
}

void UserControlWindow::Refresh() {
  if (hwnd_) InvalidateRect(hwnd_.get(), nullptr, TRUE);
}

void UserControlWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd_.get(), &paint);
  if (events_.paint) {
    DcCanvas canvas(dc, scale_);
    events_.paint(canvas);
  }
  EndPaint(hwnd_.get(), &paint);
}

LRESULT UserControlWindow::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ForwardToChild(message, wParam, lParam, result) ||
      HandleInput(hwnd, message, wParam, lParam, scale_, events_, result))
    return result;
  switch (message) {
    case WM_SIZE:
      if (events_.resize) events_.resize();
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace vantiro::win32
