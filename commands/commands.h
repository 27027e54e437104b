// The commands of the FILE and FOLDER menus, copy and paste: on the files
// selected in the chain (Rename and Open with on one file alone), or on its
// current folder. Rename, Delete
// and the copy of a name the shell would misread are the program's own
// exact calls; the others go to the shell through its gate.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "commands/shell_gate.h"
#include "navigation/chain_lists.h"
#include "platform/executor.h"
#include "settings/program.h"
#include "settings/settings_files.h"

namespace vantiro {

class Commands {
 public:
  // What the commands ask of the lists that show the chain.
  class Lists {
   public:
    // A folder a command changed is read again, when it is shown.
    virtual void ReadAgain(const std::string& folder) = 0;
    // The current folder went: the chain closes back to the one that held it.
    virtual void CloseCurrentFolder() = 0;

   protected:
    ~Lists() = default;
  };

  Commands(WindowSystem& ws, FileSystem& fs, Window& main, const FolderChain& chain, Lists& lists,
           const SettingsFiles& files, std::function<void()> configSave);

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
  void CopyFiles(const std::vector<std::string>& sources, const std::string& destFolder);
  // The selected files, dragged out with the mouse.
  void DragFilesOut();

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
  // Hands the shell a path for the Recycle Bin through FileOp; askNothing:
  // the shell asks no question, and declines its own offer to delete for
  // good what the bin cannot take.
  ShellFileResult Recycle(const std::vector<std::string>& paths, bool askNothing);
  // The folder to the Recycle Bin, once the gate has looked through all it
  // holds away from the window's thread.
  void RecycleFolder(const std::string& folder);
  void CopyExactly(const std::string& source, const std::string& target);
  const std::string& CurrentFolder() const { return chain_.CurrentFolder(); }
  int IsFolderOk() { return vantiro::IsFolderOk(ws_, chain_); }

  WindowSystem& ws_;
  FileSystem& fs_;
  Window& main_;
  const FolderChain& chain_;
  Lists& lists_;
  const SettingsFiles& settingsFiles_;
  std::function<void()> configSave_;
  // The Recycle Bin's request to the shell, kept from one use to the next;
  // no owner window.
  ShellFileOperation FileOp;
  Lifetime lifetime_;  // ends first: no gate's answer reaches Commands gone
};

// "'c:\a.txt'", or "3 files, the first 'c:\a.txt'".
std::string PathsNamed(const std::vector<std::string>& paths);

}  // namespace vantiro
