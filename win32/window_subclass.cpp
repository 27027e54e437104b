#include "win32/window_subclass.h"

#include <commctrl.h>

#include "win32/system_library.h"

namespace vantiro::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// The common controls' library, loaded on first use. Its version 5.82, the
// one without a manifest, names these functions by ordinal only.
template <typename Function>
Function* Comctl32(int ordinal) {
  return SystemFunction<Function>(L"comctl32.dll", MAKEINTRESOURCEA(ordinal));
}

struct Functions {
  decltype(&SetWindowSubclass) set = Comctl32<decltype(SetWindowSubclass)>(410);
  decltype(&GetWindowSubclass) get = Comctl32<decltype(GetWindowSubclass)>(411);
  decltype(&RemoveWindowSubclass) remove = Comctl32<decltype(RemoveWindowSubclass)>(412);
  decltype(&DefSubclassProc) defaultProc = Comctl32<decltype(DefSubclassProc)>(413);
  bool all() const { return set && get && remove && defaultProc; }
};

const Functions& Subclassing() {
  static const Functions functions;
  return functions;
}

}  // namespace

WindowSubclass::WindowSubclass(HWND hwnd, void* owner, Procedure procedure)
    : hwnd_(hwnd), owner_(owner), procedure_(std::move(procedure)) {
  if (!hwnd_ || !Subclassing().all() ||
      !Subclassing().set(hwnd_, &Forward, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    hwnd_ = nullptr;
}

WindowSubclass::~WindowSubclass() { Remove(); }

void WindowSubclass::Remove() {
  if (hwnd_) Subclassing().remove(hwnd_, &Forward, kSubclassId);
  hwnd_ = nullptr;
}

LRESULT WindowSubclass::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
  return Subclassing().defaultProc(hwnd_, message, wParam, lParam);
}

// Another process's window has no subclass of this one's.
void* WindowSubclass::OwnerOf(HWND hwnd) {
  DWORD_PTR data = 0;
  if (!hwnd || !Subclassing().all() ||
      GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId() ||
      !Subclassing().get(hwnd, &Forward, kSubclassId, &data))
    return nullptr;
  return reinterpret_cast<WindowSubclass*>(data)->owner_;
}

// The window's last message ends the subclass, after its owner heard it.
LRESULT CALLBACK WindowSubclass::Forward(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR data) {
  auto* self = reinterpret_cast<WindowSubclass*>(data);
  if (message != WM_NCDESTROY) return self->procedure_(message, wParam, lParam);
  const LRESULT result = self->procedure_(message, wParam, lParam);
  self->Remove();
  return result;
}

}  // namespace vantiro::win32
