// Move-only owners of Win32 handles, one deleter per handle type. A copy
// would close the handle twice, so unique_ptr's deleted copy is the point.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace vantiro::win32 {

template <typename Handle, auto Close>
struct HandleCloser {
  void operator()(Handle handle) const { Close(handle); }
};

template <typename Handle, auto Close>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleCloser<Handle, Close>>;

using UniqueWindow = UniqueHandle<HWND, &DestroyWindow>;
using UniqueMenu = UniqueHandle<HMENU, &DestroyMenu>;
using UniqueAccelerators = UniqueHandle<HACCEL, &DestroyAcceleratorTable>;
using UniqueFont = UniqueHandle<HFONT, &DeleteObject>;
using UniqueBrush = UniqueHandle<HBRUSH, &DeleteObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, &DeleteObject>;
using UniqueFind = UniqueHandle<HANDLE, &FindClose>;
using UniqueFile = UniqueHandle<HANDLE, &CloseHandle>;

// A COM object's reference, given back when the owner goes.
struct ComReleaser {
  void operator()(IUnknown* object) const { object->Release(); }
};

template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

// COM on this thread while it lives, in the apartment asked; undone only
// if it was done.
class ComOnThisThread {
 public:
  explicit ComOnThisThread(DWORD apartment)
      : initialized_(SUCCEEDED(CoInitializeEx(nullptr, apartment))) {}
  ~ComOnThisThread() {
    if (initialized_) CoUninitialize();
  }
  ComOnThisThread(const ComOnThisThread&) = delete;
  ComOnThisThread& operator=(const ComOnThisThread&) = delete;

 private:
  bool initialized_;
};

// Calls make with a place for an interface pointer, and owns what it put
// there; nullptr when it failed.
template <typename Interface, typename Make>
ComPtr<Interface> Made(Make make) {
  Interface* made = nullptr;
  const HRESULT result = make(&made);
  ComPtr<Interface> owned(made);
  return SUCCEEDED(result) ? std::move(owned) : nullptr;
}

// The screen's device context with a font selected, for measuring text.
class ScreenTextDC {
 public:
  explicit ScreenTextDC(HFONT font) : dc_(GetDC(nullptr)), oldFont_(SelectObject(dc_, font)) {}
  ~ScreenTextDC() {
    SelectObject(dc_, oldFont_);
    ReleaseDC(nullptr, dc_);
  }
  ScreenTextDC(const ScreenTextDC&) = delete;
  ScreenTextDC& operator=(const ScreenTextDC&) = delete;

  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ oldFont_;
};

}  // namespace vantiro::win32
