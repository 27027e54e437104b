// The commands made and wired, and the FILE and FOLDER menus as designed.
#include "commands/commands.h"

#include "commands/menu_names.h"

namespace vantiro {

Commands::Commands(WindowSystem& ws, Executor& executor, FileSystem& fs, Window& main,
                   const FolderChain& chain, FolderLoader& loader, const SettingsFiles& files,
                   HandlerOf<FolderSteps> steps, std::function<void()> configSave)
    : context_{ws, fs, main, chain, loader, files, operations_, std::move(steps), {}},
      file_(context_),
      folder_(context_, std::move(configSave)),
      copyPaste_(context_),
      operations_(executor) {}

std::vector<std::string> Commands::ShellFiles() const {
  return CommandContext::ForTheShell(context_.chain.SelectedFilePaths());
}

std::vector<std::string> Commands::ShellFolder() const {
  std::string folder = context_.CurrentFolder();
  if (folder.empty()) return {};
  if (!folder.ends_with(":\\")) folder.pop_back();
  return CommandContext::ForTheShell({folder});
}

MenuItem Commands::FileMenu(HandlerOf<Commands> of) {
  const HandlerOf<FileCommands> file = [of]() -> FileCommands& { return of().file(); };
  const HandlerOf<CopyPaste> copy = [of]() -> CopyPaste& { return of().copyPaste(); };
  return Visible(Menu(menu::mnuFileFunctions, "FILE",
                      {Item("mnuFileOpen", "Open     (Double-Click)", {},
                            Calls(file, &FileCommands::mnuFileOpen_Click)),
                       Item(menu::mnuFileOpenWith, "Open with...", "Ctrl+O",
                            Calls(file, &FileCommands::mnuFileOpenWith_Click)),
                       ShownKey(Item(menu::mnuFileRename, "Rename...", {},
                                     Calls(file, &FileCommands::mnuFileRename_Click)),
                                "F2"),
                       Item("mnuFileRecycleBin", "Send to Recycle Bin", "Del",
                            Calls(file, &FileCommands::mnuFileRecycleBin_Click)),
                       Item("mnuFileDelete", "Delete", "Shift+Del",
                            Calls(file, &FileCommands::mnuFileDelete_Click)),
                       Separator("mnuNone8"),
                       Item("mnuCopy", "Copy", "Ctrl+C", Calls(copy, &CopyPaste::mnuCopy_Click)),
                       Item("mnuCut", "Cut", "Ctrl+X", Calls(copy, &CopyPaste::mnuCut_Click)),
                       Item("mnuCopyAsPath", "Copy as path", "Ctrl+Shift+C",
                            Calls(copy, &CopyPaste::mnuCopyAsPath_Click)),
                       Separator("mnuNone9"),
                       Item("mnuFileProperties", "File Properties...", "F3",
                            Calls(file, &FileCommands::mnuFileProperties_Click)),
                       Separator("mnuNone14"),
                       ShellMenu("mnuFileMore", "More", [of] { return of().ShellFiles(); })}),
                 false);
}

MenuItem Commands::FolderMenu(HandlerOf<Commands> of, MenuItem addToFavorites) {
  const HandlerOf<FolderCommands> folder = [of]() -> FolderCommands& { return of().folder(); };
  const HandlerOf<CopyPaste> paste = [of]() -> CopyPaste& { return of().copyPaste(); };
  return Visible(
      Menu(menu::mnuDirFunctions, "FOLDER",
           {Item("mnuExplore", "Explore     (Double-Click)", {},
                 Calls(folder, &FolderCommands::mnuExplore_Click)),
            Item("mnuNewWindow", "Open in a new window", "Ctrl+N",
                 Calls(folder, &FolderCommands::mnuNewWindow_Click)),
            Item("mnuNewFolder", "New folder", "Ctrl+Shift+N",
                 Calls(folder, &FolderCommands::mnuNewFolder_Click)),
            ShownKey(Item("mnuRenameFolder", "Rename...", {},
                          Calls(folder, &FolderCommands::mnuRenameFolder_Click)),
                     "F2"),
            Item("mnuFolderRecycleBin", "Send to Recycle Bin", {},
                 Calls(folder, &FolderCommands::mnuFolderRecycleBin_Click)),
            Item("mnuPaste", "Paste", "Ctrl+V", Calls(paste, &CopyPaste::mnuPaste_Click)),
            Separator("mnuNone6"), std::move(addToFavorites), Separator("mnuNone10"),
            Item("mnuFolderProperties", "Folder Properties...", "F4",
                 Calls(folder, &FolderCommands::mnuFolderProperties_Click)),
            Separator("mnuNone15"),
            ShellMenu("mnuFolderMore", "More", [of] { return of().ShellFolder(); })}),
      false);
}

}  // namespace vantiro
