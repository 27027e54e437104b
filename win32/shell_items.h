// The shell's own objects for items of one folder, or for one folder, the
// ones Explorer hands out: their data object, their context menu.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vantiro::win32 {

// The shell's UI object of interface iid (IID_IDataObject,
// IID_IContextMenu) for the paths; false when the shell cannot name one.
bool ShellUIObject(const std::vector<std::string>& paths, HWND owner, REFIID iid, void** object);

}  // namespace vantiro::win32
