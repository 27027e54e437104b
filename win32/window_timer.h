// A timer as the program sees it: a message-only window that receives
// WM_TIMER while the timer is enabled.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/window_system.h"
#include "win32/handles.h"

namespace vantiro::win32 {

class WindowTimer final : public Timer {
 public:
  static constexpr const wchar_t* kClassName = L"VantiroTimer";

  WindowTimer(int intervalMs, std::function<void()> tick);
  ~WindowTimer() override;

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;

  // For the window procedure.
  void Attach(HWND hwnd) { hwnd_.reset(hwnd); }
  void Detach() { static_cast<void>(hwnd_.release()); }
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  UINT intervalMs_;
  std::function<void()> tick_;
  bool enabled_ = false;
  UniqueWindow hwnd_;
};

}  // namespace vantiro::win32
