// Files of one folder handed to the shell together: dragged out to another
// program, or shown in one Properties sheet. Both take the shell's own data
// object for them, the one Explorer hands out (CF_HDROP, the shell's ID
// list, the file names), so that every drop target reads them.
#include <windows.h>

#include <shlobj.h>

#include <memory>

#include "win32/handles.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

struct ItemListFree {
  void operator()(ITEMIDLIST* item) const { CoTaskMemFree(item); }
};
using UniqueItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

// The data object of files of one folder; nullptr when the shell cannot
// name one of them.
ComPtr<IDataObject> ShellDataObject(const std::vector<std::string>& paths, HWND owner) {
  static const auto parse =
      SystemFunction<decltype(SHParseDisplayName)>(L"shell32.dll", "SHParseDisplayName");
  static const auto bind =
      SystemFunction<decltype(SHBindToParent)>(L"shell32.dll", "SHBindToParent");
  static const auto last = SystemFunction<decltype(ILFindLastID)>(L"shell32.dll", "ILFindLastID");
  if (!parse || !bind || !last || paths.empty()) return nullptr;
  std::vector<UniqueItemList> items;
  std::vector<PCUITEMID_CHILD> children;
  for (const std::string& path : paths) {
    PIDLIST_ABSOLUTE item = nullptr;
    if (FAILED(parse(Wide(path).c_str(), nullptr, &item, 0, nullptr))) return nullptr;
    items.emplace_back(item);
    children.push_back(last(item));
  }
  IShellFolder* folder = nullptr;
  if (FAILED(
          bind(items.front().get(), IID_IShellFolder, reinterpret_cast<void**>(&folder), nullptr)))
    return nullptr;
  const ComPtr<IShellFolder> parent(folder);
  IDataObject* data = nullptr;
  if (FAILED(parent->GetUIObjectOf(owner, static_cast<UINT>(children.size()), children.data(),
                                   IID_IDataObject, nullptr, reinterpret_cast<void**>(&data))))
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

bool Win32FileSystem::ShowSharedProperties(const std::vector<std::string>& paths,
                                           std::uintptr_t owner) {
  static const auto show =
      SystemFunction<decltype(SHMultiFileProperties)>(L"shell32.dll", "SHMultiFileProperties");
  const ComPtr<IDataObject> data = ShellDataObject(paths, reinterpret_cast<HWND>(owner));
  return show && data && SUCCEEDED(show(data.get(), 0));
}

}  // namespace vantiro::win32
