// The one way the program sees a system control's messages first (a list
// box, a button, a dialog): SetWindowSubclass from the making of the
// subclass until it goes, or its window does. The owner of a window's
// subclass is found again from the window's handle, so that a control's
// host hands it what the host hears of it.
#pragma once

#include <windows.h>

#include <functional>

namespace vantiro::win32 {

class WindowSubclass {
 public:
  // Takes a message, or hands it on to the control with Default.
  using Procedure = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

  WindowSubclass(HWND hwnd, void* owner, Procedure procedure);
  ~WindowSubclass();
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // What the control itself does with a message, within the procedure.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;
  // The owner of the program's subclass of a window of this thread;
  // nullptr for any other window.
  static void* OwnerOf(HWND hwnd);

 private:
  static LRESULT CALLBACK Forward(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR data);
  void Remove();

  HWND hwnd_;
  void* owner_;
  Procedure procedure_;
};

}  // namespace vantiro::win32
