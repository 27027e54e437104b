// The commands of the FILE and FOLDER menus, copy and paste: on the files
// selected in the chain (Rename and Open with on one file alone), or on its
// current folder. Rename, Delete and the copy of a name the shell would
// misread are the program's own exact calls; the others go to the shell
// through its gate. Copies, moves, the Recycle Bin and deletes are file
// operations: they run away from the window's thread, one after another.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "chain/folder_chain.h"
#include "chain/folder_loader.h"
#include "commands/file_operations.h"
#include "commands/shell_gate.h"
#include "platform/executor.h"
#include "settings/program.h"
#include "settings/settings_files.h"

namespace vantiro {

// msgbox::kYes when a folder is current; otherwise the user is told to
// select one, and msgbox::kNo.
int IsFolderOk(WindowSystem& ws, const FolderChain& chain);

// What a copy or a move will do, and what came of it (copy_paste.cpp).
struct TransferPlan;
struct TransferOutcome;

class Commands {
 public:
  // A folder a command changed is read again through the loader, when the
  // chain shows it.
  Commands(WindowSystem& ws, Executor& executor, FileSystem& fs, Window& main,
           const FolderChain& chain, FolderLoader& loader, const SettingsFiles& files,
           std::function<void()> configSave);

  // The FILE menu, and the FOLDER menu with the favourites' entry in its
  // place; both hidden until a file or a folder is chosen.
  static MenuItem FileMenu(HandlerOf<Commands> of);
  static MenuItem FolderMenu(HandlerOf<Commands> of, MenuItem addToFavorites);

  // FILE: without a selected file each does nothing; each asks once, however
  // many files are selected.
  void mnuFileOpen_Click();
  void mnuFileOpenWith_Click();
  void mnuFileRename_Click();
  void mnuFileRecycleBin_Click();
  void mnuFileDelete_Click();
  void mnuFileProperties_Click();
  void ShowProperties(const std::string& path, std::uintptr_t ownerWindow);

  // FOLDER: without a current folder each says so and does nothing.
  void mnuExplore_Click();
  void mnuNewWindow_Click();
  void mnuFolderRecycleBin_Click();
  void mnuFolderProperties_Click();

  void mnuCopy_Click();
  void mnuPaste_Click();
  // Files dropped on a folder: a move with kDropMove, else a copy.
  void DropFiles(const std::vector<std::string>& sources, const std::string& destFolder,
                 int effect) {
    Transfer(sources, destFolder, effect == kDropMove);
  }
  // The selected files, dragged out with the mouse.
  void DragFilesOut();

  // True while a file operation runs or waits; done runs once none does.
  bool Busy() const { return operations_.Busy(); }
  void WhenDone(std::function<void()> done) { operations_.WhenDone(std::move(done)); }

 private:
  // Whether the shell may have a path; when the gate refused it, the user
  // hears why it cannot be <action>.
  bool ShellTakes(const std::string& path, const std::optional<ShellRefusal>& refusal,
                  std::string_view action);
  // The paths the shell may have; the user hears of each refused.
  std::vector<std::string> ShellTakesOf(const std::vector<std::string>& paths,
                                        std::string_view action);
  // The selected file, while it is the only one.
  std::optional<std::string> OnlyFile() const;
  // The request for the Recycle Bin, made in FileOp; askNothing: the shell
  // asks no question, and declines its own offer to delete for good what
  // the bin cannot take.
  ShellFileOperation RecycleRequest(const std::vector<std::string>& paths, bool askNothing);
  // Copies the sources into destFolder, or moves them, after one question.
  void Transfer(const std::vector<std::string>& sources, const std::string& destFolder, bool move);
  void AskAndTransfer(const TransferPlan& plan, const std::string& destFolder, bool move);
  void ReportTransfer(const TransferOutcome& outcome, const std::vector<std::string>& sources,
                      const std::string& destFolder, bool move);
  // One message naming the files an operation left where they were.
  void TellLeft(const std::vector<std::string>& left, std::string_view undone,
                std::string_view where = "");
  const std::string& CurrentFolder() const { return chain_.CurrentFolder(); }
  int IsFolderOk() { return vantiro::IsFolderOk(ws_, chain_); }

  WindowSystem& ws_;
  FileSystem& fs_;
  Window& main_;
  const FolderChain& chain_;
  FolderLoader& loader_;
  const SettingsFiles& settingsFiles_;
  std::function<void()> configSave_;
  // The Recycle Bin's request to the shell, kept from one use to the next.
  ShellFileOperation FileOp;
  FileOperations operations_;  // ends first: no result reaches Commands gone
};

// "'c:\a.txt'", or "3 files, the first 'c:\a.txt'".
std::string PathsNamed(const std::vector<std::string>& paths);

}  // namespace vantiro
