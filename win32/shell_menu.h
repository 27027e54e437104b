// The shell's own context menu for files or a folder, as Explorer's right
// click shows it, filled into a sub-menu of the program's as it opens. The
// shell's owner-drawn and late-filled items ("Send to", "Open with") need
// the owner's menu messages; a command chosen goes back to the shell.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "win32/handles.h"

namespace vantiro::win32 {

class ShellMenu {
 public:
  // The command ids the shell's items take.
  static constexpr WORD kFirstId = 0x7000, kLastId = 0x7FFF;

  // Empties menu, then fills it with the shell's items for the paths, or a
  // grayed "(empty)" when there are none.
  void Fill(HMENU menu, const std::vector<std::string>& paths, HWND owner);
  // A menu message of the owner for the shell's items; true when taken.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Carries out a command of the items filled last; false for another id.
  bool Invoke(WORD id, HWND owner);

 private:
  ComPtr<IContextMenu> menu_;
  ComPtr<IContextMenu2> menu2_;
  ComPtr<IContextMenu3> menu3_;
};

}  // namespace vantiro::win32
