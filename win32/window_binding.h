// The one way a window of a class the program registers is bound to its C++
// object, from WM_NCCREATE to WM_NCDESTROY (its user data holds the object),
// and the once-per-process registration of its class. System controls the
// program subclasses are bound the other way, win32/window_subclass.h.
// T provides Attach(HWND), Detach() and OnMessage(HWND, UINT, WPARAM, LPARAM).
#pragma once

#include <windows.h>

namespace vantiro::win32 {

template <typename T>
LRESULT CALLBACK BoundWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->Attach(hwnd);
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->Detach();
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->OnMessage(hwnd, message, wParam, lParam);
}

// The class name of T's windows, registered on first use.
template <typename T>
const wchar_t* BoundWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &BoundWindowProc<T>;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = T::kClassName;
    return RegisterClassExW(&wc);
  }();
  return MAKEINTATOM(atom);
}

// The object bound to a window of T's class on this thread; nullptr for any
// other window.
template <typename T>
T* BoundObject(HWND hwnd) {
  static const ATOM atom = LOWORD(reinterpret_cast<UINT_PTR>(BoundWindowClass<T>()));
  if (hwnd == nullptr || GetClassLongPtrW(hwnd, GCW_ATOM) != atom ||
      GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId())
    return nullptr;
  return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace vantiro::win32
