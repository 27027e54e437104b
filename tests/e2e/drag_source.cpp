// e2e_probe drag: a drag source in a process of its own, as Explorer is one.
// A small top-most window titled "e2e drag source" stands at x, y; a left
// press on it starts DoDragDrop with the files as CF_HDROP, offering the copy
// effect only, and the script moves the pointer and lets go where it wants
// them. Prints the effect the target chose ("copy" or "none").
#include "drag_source.h"

#include <cstdio>

#include "tests/win32/file_drop_data.h"

namespace {

constexpr wchar_t kClassName[] = L"E2eDragSource";
constexpr UINT kGiveUpMs = 60000;

// Reference counting is not needed: both objects live on DragFiles' stack
// until DoDragDrop has returned and every proxy has let them go.
class ButtonSource final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IID_IUnknown && iid != IID_IDropSource) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IDropSource*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

struct Drag {
  FileDropData data;
  ButtonSource source;
  DWORD effect = DROPEFFECT_NONE;
};

LRESULT CALLBACK SourceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* drag = reinterpret_cast<Drag*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_LBUTTONDOWN && drag) {
    DoDragDrop(&drag->data, &drag->source, DROPEFFECT_COPY, &drag->effect);
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_TIMER) DestroyWindow(window);  // nobody came
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int DragFiles(int x, int y, const std::vector<std::wstring>& files) {
  if (FAILED(OleInitialize(nullptr))) return 1;
  Drag drag{FileDropData(files), {}};
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = SourceProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"e2e drag source",
                                WS_POPUP | WS_BORDER | WS_VISIBLE, x, y, 60, 60, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  if (!window) return 1;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&drag));
  SetTimer(window, 1, kGiveUpMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  OleUninitialize();
  std::printf("%s\n", drag.effect & DROPEFFECT_COPY ? "copy" : "none");
  return 0;
}
