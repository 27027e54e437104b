#include "win32/shell_menu.h"

#include "win32/shell_items.h"

namespace vantiro::win32 {
namespace {

template <typename Interface>
ComPtr<Interface> Query(IUnknown* object, REFIID iid) {
  void* found = nullptr;
  return ComPtr<Interface>(
      SUCCEEDED(object->QueryInterface(iid, &found)) ? static_cast<Interface*>(found) : nullptr);
}

}  // namespace

// The menu kept lives until the next one is filled: a command chosen from
// the menu bar comes after the menu has closed.
void ShellMenu::Fill(HMENU menu, const std::vector<std::string>& paths, HWND owner) {
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
  menu3_.reset();
  menu2_.reset();
  menu_.reset();
  IContextMenu* shell = nullptr;
  if (!paths.empty() &&
      ShellUIObject(paths, owner, IID_IContextMenu, reinterpret_cast<void**>(&shell))) {
    menu_.reset(shell);
    if (FAILED(menu_->QueryContextMenu(menu, 0, kFirstId, kLastId, CMF_NORMAL))) menu_.reset();
  }
  if (menu_) {
    menu2_ = Query<IContextMenu2>(menu_.get(), IID_IContextMenu2);
    menu3_ = Query<IContextMenu3>(menu_.get(), IID_IContextMenu3);
  }
  if (GetMenuItemCount(menu) == 0) AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, L"(empty)");
}

bool ShellMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const bool forMenus = message == WM_INITMENUPOPUP || message == WM_MENUCHAR ||
                        ((message == WM_DRAWITEM || message == WM_MEASUREITEM) && wParam == 0);
  if (!forMenus) return false;
  if (menu3_) return SUCCEEDED(menu3_->HandleMenuMsg2(message, wParam, lParam, &result));
  if (menu2_ && message != WM_MENUCHAR) {
    result = 0;
    return SUCCEEDED(menu2_->HandleMenuMsg(message, wParam, lParam));
  }
  return false;
}

bool ShellMenu::Invoke(WORD id, HWND owner) {
  if (id < kFirstId || id > kLastId) return false;
  if (!menu_) return true;
  CMINVOKECOMMANDINFOEX command{};
  command.cbSize = sizeof command;
  command.fMask = CMIC_MASK_UNICODE;
  command.hwnd = owner;
  command.lpVerb = MAKEINTRESOURCEA(id - kFirstId);
  command.lpVerbW = MAKEINTRESOURCEW(id - kFirstId);
  command.nShow = SW_SHOWNORMAL;
  menu_->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&command));
  return true;
}

}  // namespace vantiro::win32
