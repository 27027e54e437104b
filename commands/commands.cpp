// What the FILE and FOLDER commands share: the menus as designed, the
// gate's refusals told, and the one message that names what an operation
// left.
#include "commands/commands.h"
#include "commands/menu_names.h"

namespace vantiro {

Commands::Commands(WindowSystem& ws, Executor& executor, FileSystem& fs, Window& main,
                   const FolderChain& chain, FolderLoader& loader, const SettingsFiles& files,
                   std::function<void()> configSave)
    : ws_(ws),
      fs_(fs),
      main_(main),
      chain_(chain),
      loader_(loader),
      settingsFiles_(files),
      configSave_(std::move(configSave)),
      operations_(executor) {}

std::string PathsNamed(const std::vector<std::string>& paths) {
  const std::string first = "'" + paths.front() + "'";
  return paths.size() == 1 ? first : std::to_string(paths.size()) + " files, the first " + first;
}

std::vector<std::string> Commands::ShellTakesOf(const std::vector<std::string>& paths,
                                                std::string_view action) {
  std::vector<std::string> taken;
  for (const std::string& path : paths) {
    if (ShellTakes(path, CheckShellPath(path), action)) taken.push_back(path);
  }
  return taken;
}

std::optional<std::string> Commands::OnlyFile() const {
  if (chain_.files().selection.Count() != 1) return std::nullopt;
  return chain_.SelectedFilePath();
}

bool Commands::ShellTakes(const std::string& path, const std::optional<ShellRefusal>& refusal,
                          std::string_view action) {
  if (!refusal) return true;
  ws_.MsgBox("'" + path + "' cannot be " + std::string(action) + ": " + Reason(*refusal) + ".",
             msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  return false;
}

MenuItem Commands::FileMenu(HandlerOf<Commands> of) {
  return Visible(
      Menu(menu::mnuFileFunctions, "FILE",
           {Item("mnuFileOpen", "Open     (Double-Click)", {},
                 Calls(of, &Commands::mnuFileOpen_Click)),
            Item(menu::mnuFileOpenWith, "Open with...", "Ctrl+O",
                 Calls(of, &Commands::mnuFileOpenWith_Click)),
            Item(menu::mnuFileRename, "Rename...", "F2", Calls(of, &Commands::mnuFileRename_Click)),
            Item("mnuFileRecycleBin", "Send to Recycle Bin", "Del",
                 Calls(of, &Commands::mnuFileRecycleBin_Click)),
            Item("mnuFileDelete", "Delete", "Shift+Del", Calls(of, &Commands::mnuFileDelete_Click)),
            Separator("mnuNone8"),
            Item("mnuCopy", "Copy", "Ctrl+C", Calls(of, &Commands::mnuCopy_Click)),
            Separator("mnuNone9"),
            Item("mnuFileProperties", "File Properties...", "F3",
                 Calls(of, &Commands::mnuFileProperties_Click))}),
      false);
}

MenuItem Commands::FolderMenu(HandlerOf<Commands> of, MenuItem addToFavorites) {
  return Visible(Menu(menu::mnuDirFunctions, "FOLDER",
                      {Item("mnuExplore", "Explore     (Double-Click)", {},
                            Calls(of, &Commands::mnuExplore_Click)),
                       Item("mnuNewWindow", "Open in a new window", "Ctrl+N",
                            Calls(of, &Commands::mnuNewWindow_Click)),
                       Item("mnuFolderRecycleBin", "Send to Recycle Bin", {},
                            Calls(of, &Commands::mnuFolderRecycleBin_Click)),
                       Item("mnuPaste", "Paste", "Ctrl+V", Calls(of, &Commands::mnuPaste_Click)),
                       Separator("mnuNone6"), std::move(addToFavorites), Separator("mnuNone10"),
                       Item("mnuFolderProperties", "Folder Properties...", "F4",
                            Calls(of, &Commands::mnuFolderProperties_Click))}),
                 false);
}

void Commands::TellLeft(const std::vector<std::string>& left, std::string_view undone,
                        std::string_view where) {
  if (left.empty()) return;
  const std::string comma = left.size() > 1 && !where.empty() ? "," : "";
  ws_.MsgBox("Unable to " + std::string(undone) + " " + PathsNamed(left) + comma +
                 std::string(where) + ".",
             msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
}

int IsFolderOk(WindowSystem& ws, const FolderChain& chain) {
  if (chain.CurrentFolder().empty()) {
    ws.MsgBox("Please select a valid folder...", msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
    return msgbox::kNo;
  }
  return msgbox::kYes;
}

}  // namespace vantiro
