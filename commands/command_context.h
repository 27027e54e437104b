// What every command works with: the window system, the disk, the main
// window, the chain and its loader, the queue of file operations; and the
// one way each tells the user what the shell refused or an operation left.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chain/folder_chain.h"
#include "chain/folder_loader.h"
#include "commands/file_operations.h"
#include "commands/shell_gate.h"
#include "platform/menu_item.h"
#include "settings/program.h"
#include "settings/settings_files.h"

namespace vantiro {

// What the commands ask of the window that shows the chain.
class FolderSteps {
 public:
  // Opens the sub-folder name of folder, as a click would, once folder's
  // entries are read again.
  virtual void OpenWhenRead(const std::string& folder, const std::string& name) = 0;
  // A folder renamed (both paths end in "\\"): the chain follows it.
  virtual void FolderRenamed(const std::string& from, const std::string& to) = 0;

 protected:
  ~FolderSteps() = default;
};

// msgbox::kYes when a folder is current; otherwise the user is told to
// select one, and msgbox::kNo.
int IsFolderOk(WindowSystem& ws, const FolderChain& chain);

// "'c:\a.txt'", or "3 files, the first 'c:\a.txt'".
std::string PathsNamed(const std::vector<std::string>& paths);

struct CommandContext {
  WindowSystem& ws;
  FileSystem& fs;
  Window& main;
  const FolderChain& chain;
  FolderLoader& loader;  // reads again a folder a command changed
  const SettingsFiles& settingsFiles;
  FileOperations& operations;
  HandlerOf<FolderSteps> steps;
  // The Recycle Bin's request to the shell, kept from one use to the next.
  ShellFileOperation FileOp;

  const std::string& CurrentFolder() const { return chain.CurrentFolder(); }
  int IsFolderOk() const { return vantiro::IsFolderOk(ws, chain); }
  // The selected file, while it is the only one.
  std::optional<std::string> OnlyFile() const;
  // Whether the shell may have a path; when the gate refused it, the user
  // hears why it cannot be <action>.
  bool ShellTakes(const std::string& path, const std::optional<ShellRefusal>& refusal,
                  std::string_view action) const;
  // The paths the shell may have; the user hears of each refused.
  std::vector<std::string> ShellTakesOf(const std::vector<std::string>& paths,
                                        std::string_view action) const;
  // The paths, when the shell reads every one of them as it stands; none
  // otherwise (its menu is then not offered).
  static std::vector<std::string> ForTheShell(std::vector<std::string> paths);
  // One message naming the files an operation left where they were.
  void TellLeft(const std::vector<std::string>& left, std::string_view undone,
                std::string_view where = "") const;
  // The request for the Recycle Bin, made in FileOp; askNothing: the shell
  // asks no question, and declines its own offer to delete for good what
  // the bin cannot take.
  ShellFileOperation RecycleRequest(const std::vector<std::string>& paths, bool askNothing);
  void ShowProperties(const std::string& path) const;
};

}  // namespace vantiro
