// e2e_probe drop: a drop target in a process of its own, as Explorer is one.
// A small top-most window titled "e2e drop target" stands at x, y and takes
// files dropped on it, a copy or, with Shift, a move; it prints the effect
// and each path, and goes.
#include "drop_target.h"

#include <shlobj.h>

#include <cstdio>

namespace {

constexpr wchar_t kClassName[] = L"E2eDropTarget";
constexpr UINT kGiveUpMs = 60000;

// Takes CF_HDROP alone; nothing is done with the files.
class FileTarget final : public IDropTarget {
 public:
  explicit FileTarget(HWND window) : window_(window) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IDropTarget ? this : nullptr;
    return *object != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD keys, POINTL, DWORD* effect) override {
    return DragOver(keys, {}, effect);
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL, DWORD* effect) override {
    *effect &= keys & MK_SHIFT ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL, DWORD* effect) override {
    DragOver(keys, {}, effect);
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return E_UNEXPECTED;
    const auto drop = static_cast<HDROP>(medium.hGlobal);
    std::printf("%s\n", *effect == DROPEFFECT_MOVE ? "move" : "copy");
    for (UINT i = 0, count = DragQueryFileW(drop, ~0u, nullptr, 0); i < count; ++i) {
      wchar_t path[MAX_PATH] = {};
      DragQueryFileW(drop, i, path, MAX_PATH);
      std::printf("%ls\n", path);
    }
    ReleaseStgMedium(&medium);
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return S_OK;
  }

 private:
  HWND window_;
};

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) DestroyWindow(window);  // nobody came
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int TakeDrop(int x, int y) {
  if (FAILED(OleInitialize(nullptr))) return 1;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = TargetProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"e2e drop target",
                                WS_POPUP | WS_BORDER | WS_VISIBLE, x, y, 60, 60, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  if (!window) return 1;
  FileTarget target(window);
  RegisterDragDrop(window, &target);
  SetTimer(window, 1, kGiveUpMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  OleUninitialize();
  return 0;
}
