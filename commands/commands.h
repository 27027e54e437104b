// The commands of the FILE and FOLDER menus, copy and paste, by role: the
// files selected, the current folder, the transfers. Rename, Delete and the
// copy of a name the shell would misread are the program's own exact calls;
// the others go to the shell through its gate. Copies, moves, the Recycle
// Bin and deletes are file operations: they run away from the window's
// thread, one after another.
#pragma once

#include <functional>

#include "commands/command_context.h"
#include "commands/copy_paste.h"
#include "commands/file_commands.h"
#include "commands/folder_commands.h"
#include "platform/executor.h"
#include "platform/menu_item.h"

namespace vantiro {

class Commands {
 public:
  Commands(WindowSystem& ws, Executor& executor, FileSystem& fs, Window& main,
           const FolderChain& chain, FolderLoader& loader, const SettingsFiles& files,
           HandlerOf<FolderSteps> steps, std::function<void()> configSave);

  // The FILE menu, and the FOLDER menu with the favourites' entry in its
  // place; both hidden until a file or a folder is chosen.
  static MenuItem FileMenu(HandlerOf<Commands> of);
  static MenuItem FolderMenu(HandlerOf<Commands> of, MenuItem addToFavorites);

  // The selected files, or the current folder, as the shell's menu takes
  // them: none when the shell would misread one.
  std::vector<std::string> ShellFiles() const;
  std::vector<std::string> ShellFolder() const;

  FileCommands& file() { return file_; }
  FolderCommands& folder() { return folder_; }
  CopyPaste& copyPaste() { return copyPaste_; }

  // True while a file operation runs or waits; done runs once none does.
  bool Busy() const { return operations_.Busy(); }
  void WhenDone(std::function<void()> done) { operations_.WhenDone(std::move(done)); }

 private:
  CommandContext context_;  // given operations_ before it is made, used after
  FileCommands file_;
  FolderCommands folder_;
  CopyPaste copyPaste_;
  FileOperations operations_;  // ends first: no result reaches a part gone
};

}  // namespace vantiro
