// e2e_probe drag and drop: a drag source, or a drop target, in a process of
// its own, as Explorer is one. A small top-most window titled "e2e drag
// source" stands at x, y; a left press on it starts DoDragDrop with the files
// as CF_HDROP, offering the copy effect only, and the script moves the
// pointer and lets go where it wants them; it prints the effect the target
// chose ("copy" or "none"). The window "e2e drop target" takes files dropped
// on it, a copy or, with Shift, a move, and prints the effect and each path.
#include "drag_source.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kClassName[] = L"E2eDragSource";
constexpr UINT kGiveUpMs = 60000;

// The files as CF_HDROP, as the shell's data object offers them: a fresh
// DROPFILES block for each GetData (freed by the taker), the names wide, each
// ending in NUL, then one NUL more.
class FileDropData final : public IDataObject {
 public:
  explicit FileDropData(const std::vector<std::wstring>& files) {
    for (const auto& file : files) names_ += file + L'\0';
    names_ += L'\0';
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IDataObject ? this : nullptr;
    return *object != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    const SIZE_T bytes = sizeof(DROPFILES) + names_.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    if (!memory) return E_OUTOFMEMORY;
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    *header = {sizeof(DROPFILES), {}, FALSE, TRUE};
    std::memcpy(header + 1, names_.data(), names_.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    *medium = {};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    const bool matches = format->cfFormat == Offered().cfFormat &&
                         format->dwAspect == DVASPECT_CONTENT && (format->tymed & TYMED_HGLOBAL);
    return matches ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    FORMATETC offered = Offered();
    return direction == DATADIR_GET ? SHCreateStdEnumFmtEtc(1, &offered, formats) : E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  static FORMATETC Offered() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

  std::wstring names_;  // each name ends in a NUL, the list in one more
};

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

// The small window at x, y, until it goes or nobody came.
int RunWindow(const wchar_t* title, int x, int y, const std::function<void(HWND)>& made) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = SourceProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, title,
                                WS_POPUP | WS_BORDER | WS_VISIBLE, x, y, 60, 60, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  if (!window) return 1;
  made(window);
  SetTimer(window, 1, kGiveUpMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

}  // namespace

int DragFiles(int x, int y, const std::vector<std::wstring>& files) {
  if (FAILED(OleInitialize(nullptr))) return 1;
  Drag drag{FileDropData(files), {}};
  const int status = RunWindow(L"e2e drag source", x, y, [&drag](HWND window) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&drag));
  });
  OleUninitialize();
  std::printf("%s\n", drag.effect & DROPEFFECT_COPY ? "copy" : "none");
  return status;
}

int TakeDrop(int x, int y) {
  if (FAILED(OleInitialize(nullptr))) return 1;
  std::optional<FileTarget> target;
  const int status = RunWindow(L"e2e drop target", x, y, [&target](HWND window) {
    RegisterDragDrop(window, &target.emplace(window));
  });
  OleUninitialize();
  return status;
}
