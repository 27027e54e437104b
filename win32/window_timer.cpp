#include "win32/window_timer.h"

#include "win32/window_binding.h"

namespace vantiro::win32 {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

WindowTimer::WindowTimer(int intervalMs, std::function<void()> tick)
    : intervalMs_(static_cast<UINT>(intervalMs)), tick_(std::move(tick)) {
  CreateWindowExW(0, BoundWindowClass<WindowTimer>(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                  GetModuleHandleW(nullptr), this);
}

// Reset first, so that WM_NCDESTROY finds the handle already given up.
WindowTimer::~WindowTimer() { hwnd_.reset(); }

void WindowTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!hwnd_) return;
  if (enabled) {
    SetTimer(hwnd_.get(), kTimerId, intervalMs_, nullptr);
  } else {
    KillTimer(hwnd_.get(), kTimerId);
  }
}

LRESULT WindowTimer::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (enabled_ && tick_) tick_();
  return 0;
}

}  // namespace vantiro::win32
