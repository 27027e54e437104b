#include "win32/child_control.h"

#include "win32/wide_text.h"

#include <commctrl.h>
#include <windowsx.h>

namespace vantiro::win32 {
ChildControl* ChildControl::FromHandle(HWND hwnd) {
  return static_cast<ChildControl*>(WindowSubclass::OwnerOf(hwnd));
}

bool ForwardToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  ChildControl* child = nullptr;
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      child = ChildControl::FromHandle(reinterpret_cast<HWND>(lParam));
      break;
    case WM_NOTIFY:
      child = ChildControl::FromHandle(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom);
      break;
    case WM_DRAWITEM:
      child = ChildControl::FromHandle(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem);
      break;
  }
  if (child == nullptr) return false;
  switch (message) {
    case WM_COMMAND:
      child->OnCommand(HIWORD(wParam));
      result = 0;
      return true;
    case WM_HSCROLL:
    case WM_VSCROLL:
      child->OnScroll(LOWORD(wParam));
      result = 0;
      return true;
    case WM_NOTIFY:
      result = child->OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return true;
    case WM_DRAWITEM:
      result = child->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return result != 0;
    default:  // WM_CTLCOLOR*
      if (HBRUSH brush = child->OnColor(reinterpret_cast<HDC>(wParam))) {
        result = reinterpret_cast<LRESULT>(brush);
        return true;
      }
      return false;
  }
}

std::string TextOf(HWND hwnd) {
  if (hwnd == nullptr) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

RECT ChildBounds(HWND hwnd) {
  RECT bounds{};
  if (hwnd == nullptr) return bounds;
  GetWindowRect(hwnd, &bounds);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

// A control left where it stands is not moved: every move lays it out and
// draws it again.
void PlaceChild(HWND hwnd, const RECT& bounds) {
  if (hwnd == nullptr) return;
  const RECT now = ChildBounds(hwnd);
  if (EqualRect(&bounds, &now)) return;
  SetWindowPos(hwnd, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// One tooltip window per control, made when it first gets a text.
void SetToolTipOf(HWND hwnd, UniqueWindow& toolTip, const std::string& text) {
  if (hwnd == nullptr) return;
  if (!toolTip) {
    toolTip.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(hwnd),
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!toolTip) return;
  }
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // also understood by the version 5 controls
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(hwnd);
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
  SendMessageW(toolTip.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (text.empty()) return;
  std::wstring copy = Wide(text);  // the message takes a writable text
  tool.lpszText = copy.data();
  SendMessageW(toolTip.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

UINT ControlKeyMessage() {
  static const UINT message = RegisterWindowMessageW(L"Vantiro.ControlKey");
  return message;
}

int KeyShift() {
  return (GetKeyState(VK_SHIFT) < 0 ? kShiftKey : 0) |
         (GetKeyState(VK_CONTROL) < 0 ? kCtrlKey : 0) | (GetKeyState(VK_MENU) < 0 ? kAltKey : 0);
}

MouseEvent MouseAt(int button, WPARAM wParam, LPARAM lParam, const Scale& scale) {
  const int shift = (wParam & MK_SHIFT ? kShiftKey : 0) | (wParam & MK_CONTROL ? kCtrlKey : 0) |
                    (GetKeyState(VK_MENU) < 0 ? kAltKey : 0);
  return {button, shift, scale.XToTwips(GET_X_LPARAM(lParam)),
          scale.YToTwips(GET_Y_LPARAM(lParam))};
}

RECT DcCanvas::Pixels(Twips left, Twips top, Twips width, Twips height) const {
  const int x = scale_.XToPixels(left), y = scale_.YToPixels(top);
  return {x, y, x + scale_.XToPixels(width), y + scale_.YToPixels(height)};
}

void DcCanvas::FillRect(Twips left, Twips top, Twips width, Twips height, Color color) {
  const RECT area = Pixels(left, top, width, height);
  const UniqueBrush brush(CreateSolidBrush(ToColorRef(color)));
  ::FillRect(dc_, &area, brush.get());
}

void DcCanvas::DrawFocusRect(Twips left, Twips top, Twips width, Twips height) {
  const RECT area = Pixels(left, top, width, height);
  ::DrawFocusRect(dc_, &area);
}

HWND CreateChild(const ChildParts& parts, const wchar_t* windowClass, const std::string& text,
                 DWORD style, DWORD exStyle) {
  return CreateWindowExW(exStyle, windowClass, Wide(text).c_str(), WS_CHILD | style, 0, 0, 0, 0,
                         parts.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(parts.id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace vantiro::win32
