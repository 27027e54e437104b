#include "win32/top_window.h"

#include <vector>

#include "win32/wide_text.h"
#include "win32/window_binding.h"

namespace vantiro::win32 {
namespace {

constexpr WORD kFromAccelerator = 1;

struct Styles {
  DWORD style;
  DWORD exStyle;
};

Styles StylesOf(WindowKind kind) {
  constexpr DWORD kCaptioned = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  switch (kind) {
    case WindowKind::FixedToolWindow:
      return {kCaptioned, WS_EX_TOOLWINDOW};
    case WindowKind::FixedDialog:
      return {kCaptioned, WS_EX_DLGMODALFRAME};
    case WindowKind::SizableToolWindow:
      break;
  }
  return {kCaptioned | WS_THICKFRAME, WS_EX_TOOLWINDOW};
}

// As wide as its boxes, past the screen if need be: the program keeps the
// deepest of them in sight by moving the window left. A window the user
// cannot size fits its contents however small: a picture of a few pixels
// gets its frame alone around it.
void LimitTrackSize(HWND hwnd, MINMAXINFO& limits) {
  limits.ptMaxTrackSize = {SHRT_MAX, SHRT_MAX};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  if (style & WS_THICKFRAME) return;
  RECT frame{};
  AdjustWindowRectEx(&frame, style, GetMenu(hwnd) != nullptr,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
  limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
}

struct ModalSearch {
  HWND keep;
  std::vector<HWND> disabled;
};

BOOL CALLBACK DisableOther(HWND hwnd, LPARAM context) {
  auto& search = *reinterpret_cast<ModalSearch*>(context);
  if (hwnd != search.keep && IsWindowEnabled(hwnd) && IsWindowVisible(hwnd)) {
    EnableWindow(hwnd, FALSE);
    search.disabled.push_back(hwnd);
  }
  return TRUE;
}

// Disables the thread's other enabled windows; returns them.
std::vector<HWND> DisableOthers(HWND keep) {
  ModalSearch search{keep, {}};
  EnumThreadWindows(GetCurrentThreadId(), &DisableOther, reinterpret_cast<LPARAM>(&search));
  return search.disabled;
}

UniqueFont MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace

TopWindow::TopWindow(WindowDesign design, Events events, Scale scale)
    : scale_(scale), font_(MessageFont()), menu_(std::move(design.menuBar)) {
  const int width = scale_.XToPixels(design.clientWidth);
  const int height = scale_.YToPixels(design.clientHeight);
  const Styles styles = StylesOf(design.kind);
  HMENU bar = menu_.Empty() ? nullptr : menu_.handle();
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, styles.style, bar != nullptr, styles.exStyle);
  CreateWindowExW(styles.exStyle, BoundWindowClass<TopWindow>(), Wide(design.caption).c_str(),
                  styles.style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                  frame.bottom - frame.top, nullptr, bar, GetModuleHandleW(nullptr), this);
  if (!hwnd_) return;
  if (bar != nullptr) menu_.Attach(hwnd_.get());
  FitClientSize(width, height);
  events_ = std::move(events);  // only now: the program does not hold the window yet
}

// The program is going away: no event may reach it while the window goes.
TopWindow::~TopWindow() {
  events_ = {};
  hwnd_.reset();
}

TopWindow* TopWindow::FromHandle(HWND hwnd) { return BoundObject<TopWindow>(hwnd); }

bool TopWindow::PreTranslate(MSG& msg) {
  if (!hwnd_) return false;
  if (msg.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 &&
      SendMessageW(msg.hwnd, ControlKeyMessage(), msg.wParam, 0) != FALSE)
    return true;
  if (menu_.TranslateShortcut(msg)) return true;
  return dialogKeys_ && IsDialogMessageW(hwnd_.get(), &msg);
}

void DispatchQueued(MSG& msg) {
  TopWindow* top = TopWindow::FromHandle(msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr);
  if (top != nullptr && top->PreTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

// The menu bar may take more lines than AdjustWindowRectEx assumes.
void TopWindow::FitClientSize(int width, int height) {
  RECT client{};
  GetClientRect(hwnd_.get(), &client);
  const RECT bounds = Bounds();
  Resize(bounds.right - bounds.left + width - client.right,
         bounds.bottom - bounds.top + height - client.bottom);
}

void TopWindow::Detach() {
  static_cast<void>(hwnd_.release());
  menu_.Detach();
}

LRESULT TopWindow::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; menu_.MenuMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_SIZE:
      if (events_.resize) events_.resize();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_COMMAND:
      if (lParam == 0) menu_.Command(LOWORD(wParam), HIWORD(wParam) == kFromAccelerator);
      break;
    case WM_GETMINMAXINFO:
      LimitTrackSize(hwnd, *reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    // The control that had the focus gets it back when the window is active
    // again, after a message box or another program, as in a dialog.
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus && IsChild(hwnd, focus)) focusedChild_ = focus;
      } else if (focusedChild_ && IsChild(hwnd, focusedChild_)) {
        ::SetFocus(focusedChild_);
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (events_.click) events_.click();
      return 0;
    case WM_KEYDOWN:
      if (events_.keyDown) events_.keyDown({static_cast<int>(wParam), KeyShift()});
      return 0;
    case WM_PAINT:
      if (!events_.paint) break;
      Paint();
      return 0;
  }
  LRESULT result = 0;
  if (ForwardToChild(message, wParam, lParam, result)) return result;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The class's brush clears the area first; the program draws over it.
void TopWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd_.get(), &paint);
  DcCanvas canvas(dc, scale_);
  events_.paint(canvas);
  EndPaint(hwnd_.get(), &paint);
}

std::string TopWindow::Caption() const { return TextOf(hwnd_.get()); }

// An unchanged caption is not drawn again.
void TopWindow::SetCaption(const std::string& caption) {
  if (hwnd_ && Caption() != caption) SetWindowTextW(hwnd_.get(), Wide(caption).c_str());
}

RECT TopWindow::Bounds() const {
  RECT bounds{};
  if (hwnd_) GetWindowRect(hwnd_.get(), &bounds);
  return bounds;
}

Twips TopWindow::Width() const {
  const RECT bounds = Bounds();
  return scale_.XToTwips(bounds.right - bounds.left);
}

Twips TopWindow::Height() const {
  const RECT bounds = Bounds();
  return scale_.YToTwips(bounds.bottom - bounds.top);
}

Twips TopWindow::ClientWidth() const {
  RECT client{};
  if (hwnd_) GetClientRect(hwnd_.get(), &client);
  return scale_.XToTwips(client.right);
}

Twips TopWindow::ClientHeight() const {
  RECT client{};
  if (hwnd_) GetClientRect(hwnd_.get(), &client);
  return scale_.YToTwips(client.bottom);
}

void TopWindow::Move(int x, int y) {
  if (hwnd_)
    SetWindowPos(hwnd_.get(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// WM_SIZE, and so the resize event, runs before SetWindowPos returns. The
// window is laid out at every change of what it shows: a size it has
// already costs nothing.
void TopWindow::Resize(int width, int height) {
  const RECT bounds = Bounds();
  if (hwnd_ && (bounds.right - bounds.left != width || bounds.bottom - bounds.top != height)) {
    SetWindowPos(hwnd_.get(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TopWindow::SetLeft(Twips left) { Move(scale_.XToPixels(left), Bounds().top); }

void TopWindow::SetTop(Twips top) { Move(Bounds().left, scale_.YToPixels(top)); }

void TopWindow::SetWidth(Twips width) {
  const RECT bounds = Bounds();
  Resize(scale_.XToPixels(width), bounds.bottom - bounds.top);
}

void TopWindow::SetHeight(Twips height) {
  const RECT bounds = Bounds();
  Resize(bounds.right - bounds.left, scale_.YToPixels(height));
}

WindowState TopWindow::State() const {
  if (hwnd_ && IsIconic(hwnd_.get())) return WindowState::Minimized;
  if (hwnd_ && IsZoomed(hwnd_.get())) return WindowState::Maximized;
  return WindowState::Normal;
}

bool TopWindow::Visible() const {
  return hwnd_ && (GetWindowLongPtrW(hwnd_.get(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void TopWindow::Show() {
  if (hwnd_) ShowWindow(hwnd_.get(), SW_SHOW);
}

// The loop ends when the window is hidden or closed, or the program quits
// (the quit is left for the main loop). The program keeps the window object
// until ShowModal returns.
void TopWindow::ShowModal() {
  if (!hwnd_) return;
  HWND previous = GetActiveWindow();
  const std::vector<HWND> disabled = DisableOthers(hwnd_.get());
  ShowWindow(hwnd_.get(), SW_SHOW);
  SetActiveWindow(hwnd_.get());
  MSG msg{};
  while (hwnd_ && IsWindowVisible(hwnd_.get())) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    DispatchQueued(msg);
  }
  for (HWND other : disabled) {
    if (IsWindow(other)) EnableWindow(other, TRUE);
  }
  if (previous != nullptr && IsWindow(previous)) SetActiveWindow(previous);
}

void TopWindow::Hide() {
  if (hwnd_) ShowWindow(hwnd_.get(), SW_HIDE);
}

// The window is made active; a control of it that has the focus keeps it.
void TopWindow::SetFocus() {
  if (!hwnd_) return;
  SetActiveWindow(hwnd_.get());
  if (HWND focus = GetFocus(); !focus || !IsChild(hwnd_.get(), focus)) ::SetFocus(hwnd_.get());
}

void TopWindow::SetTopMost(bool topMost) {
  if (hwnd_) {
    // Without SWP_NOACTIVATE a hidden window would take the keyboard away.
    SetWindowPos(hwnd_.get(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  }
}

void TopWindow::Close() {
  if (!hwnd_ || (events_.queryUnload && !events_.queryUnload())) return;
  if (events_.unload) events_.unload();
  hwnd_.reset();
}

}  // namespace vantiro::win32
