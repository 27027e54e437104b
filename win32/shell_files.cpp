// Files of one folder handed to the shell together: dragged out to another
// program, put on the clipboard, or shown in one Properties sheet. Each
// takes the shell's own data object for them, the one Explorer hands out
// (CF_HDROP, the shell's ID list, the file names), so that every drop
// target and every paste reads them. Text goes on the clipboard too.
#include <windows.h>

#include <shlobj.h>

#include <memory>

#include "win32/data_object.h"
#include "win32/handles.h"
#include "win32/shell_items.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

struct ItemListFree {
  void operator()(ITEMIDLIST* item) const { CoTaskMemFree(item); }
};
using UniqueItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

}  // namespace

bool ShellUIObject(const std::vector<std::string>& paths, HWND owner, REFIID iid, void** object) {
  static const auto parse =
      SystemFunction<decltype(SHParseDisplayName)>(L"shell32.dll", "SHParseDisplayName");
  static const auto bind =
      SystemFunction<decltype(SHBindToParent)>(L"shell32.dll", "SHBindToParent");
  static const auto last = SystemFunction<decltype(ILFindLastID)>(L"shell32.dll", "ILFindLastID");
  if (!parse || !bind || !last || paths.empty()) return false;
  std::vector<UniqueItemList> items;
  std::vector<PCUITEMID_CHILD> children;
  for (const std::string& path : paths) {
    PIDLIST_ABSOLUTE item = nullptr;
    if (FAILED(parse(Wide(path).c_str(), nullptr, &item, 0, nullptr))) return false;
    items.emplace_back(item);
    children.push_back(last(item));
  }
  IShellFolder* folder = nullptr;
  if (FAILED(
          bind(items.front().get(), IID_IShellFolder, reinterpret_cast<void**>(&folder), nullptr)))
    return false;
  const ComPtr<IShellFolder> parent(folder);
  return SUCCEEDED(parent->GetUIObjectOf(owner, static_cast<UINT>(children.size()), children.data(),
                                         iid, nullptr, object));
}

namespace {

// Hands memory to the clipboard in one format, the clipboard emptied first
// when asked; the memory is freed when the clipboard does not take it.
bool SetClipboard(HWND owner, UINT format, HGLOBAL memory, bool emptyFirst) {
  if (!memory) return false;
  const bool open = OpenClipboard(owner);
  if (open && emptyFirst) EmptyClipboard();
  const bool taken = open && SetClipboardData(format, memory) != nullptr;
  if (open) CloseClipboard();
  if (!taken) GlobalFree(memory);
  return taken;
}

ComPtr<IDataObject> ShellDataObject(const std::vector<std::string>& paths, HWND owner) {
  IDataObject* data = nullptr;
  if (!ShellUIObject(paths, owner, IID_IDataObject, reinterpret_cast<void**>(&data)))
    return nullptr;
  return ComPtr<IDataObject>(data);
}

// Lives on DragFiles' stack until DoDragDrop has returned.
class MouseDropSource final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IUnknown || iid == IID_IDropSource ? this : nullptr;
    return *object != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

// The target chooses the effect from the keys held; a move the target
// carried out itself (an optimized move) reports none, and is read in the
// folder as the watch sees it.
int Win32FileSystem::DragFiles(const std::vector<std::string>& paths, std::uintptr_t owner) {
  const ComPtr<IDataObject> data = ShellDataObject(paths, reinterpret_cast<HWND>(owner));
  if (!data) return kDropNone;
  MouseDropSource source;
  DWORD effect = DROPEFFECT_NONE;
  if (DoDragDrop(data.get(), &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect) !=
      DRAGDROP_S_DROP)
    return kDropNone;
  return effect & DROPEFFECT_MOVE ? kDropMove : effect & DROPEFFECT_COPY ? kDropCopy : kDropNone;
}

// Flushed at once, so that the clipboard keeps the files once the program
// has ended; the effect joins the formats flushed (not every shell's data
// object takes one more).
bool Win32FileSystem::PutFilesOnClipboard(const std::vector<std::string>& paths, int effect,
                                          std::uintptr_t owner) {
  const ComPtr<IDataObject> data = ShellDataObject(paths, reinterpret_cast<HWND>(owner));
  if (!data || FAILED(OleSetClipboard(data.get())) || FAILED(OleFlushClipboard())) return false;
  const DWORD preferred = effect == kDropMove ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  return SetClipboard(reinterpret_cast<HWND>(owner),
                      RegisterClipboardFormatW(CFSTR_PREFERREDDROPEFFECT),
                      GlobalCopy(&preferred, sizeof preferred), false);
}

// Files offered for a move alone were cut; any other offer is a copy.
std::optional<ClipboardFiles> Win32FileSystem::FilesOnClipboard() const {
  IDataObject* held = nullptr;
  if (FAILED(OleGetClipboard(&held))) return std::nullopt;
  const ComPtr<IDataObject> data(held);
  std::vector<std::string> paths = DroppedFiles(data.get());
  if (paths.empty()) return std::nullopt;
  const DWORD preferred = DwordOf(data.get(), CFSTR_PREFERREDDROPEFFECT).value_or(DROPEFFECT_COPY);
  return ClipboardFiles{
      std::move(paths),
      (preferred & (DROPEFFECT_MOVE | DROPEFFECT_COPY)) == DROPEFFECT_MOVE ? kDropMove : kDropCopy};
}

void Win32FileSystem::TellPastedMove(const std::vector<std::string>& paths, std::uintptr_t owner) {
  IDataObject* held = nullptr;
  if (FAILED(OleGetClipboard(&held))) return;
  const ComPtr<IDataObject> data(held);
  if (DroppedFiles(data.get()) != paths) return;  // the clipboard took something else since
  SetDword(data.get(), CFSTR_PERFORMEDDROPEFFECT, DROPEFFECT_MOVE);
  SetDword(data.get(), CFSTR_PASTESUCCEEDED, DROPEFFECT_MOVE);
  if (OpenClipboard(reinterpret_cast<HWND>(owner))) {
    EmptyClipboard();
    CloseClipboard();
  }
}

bool Win32FileSystem::PutTextOnClipboard(const std::string& text, std::uintptr_t owner) {
  const std::wstring wide = Wide(text);
  return SetClipboard(reinterpret_cast<HWND>(owner), CF_UNICODETEXT,
                      GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)), true);
}

bool Win32FileSystem::ShowSharedProperties(const std::vector<std::string>& paths,
                                           std::uintptr_t owner) {
  static const auto show =
      SystemFunction<decltype(SHMultiFileProperties)>(L"shell32.dll", "SHMultiFileProperties");
  const ComPtr<IDataObject> data = ShellDataObject(paths, reinterpret_cast<HWND>(owner));
  return show && data && SUCCEEDED(show(data.get(), 0));
}

}  // namespace vantiro::win32
