// The FOLDER menu: the current folder opened in Explorer or in a second
// window of the program, sent to the Recycle Bin or shown in its Properties
// sheet. Without a current folder each says so and does nothing.
#include "commands/folder_commands.h"

#include "chain/names.h"

namespace vantiro {
namespace {

constexpr Twips kNewWindowOffset = 500;
constexpr const char* kNewFolder = "New folder";
constexpr int kMostNumbered = 1000;  // "New folder (999)" at most

// The rule a name typed for a folder breaks: one name only, which the
// shell and most programs can reach.
std::optional<ShellRule> NameRefused(const std::string& name) {
  return name.find('\\') != std::string::npos ? ShellRule::BadCharacter : CheckName(name);
}

// What came of sending a folder to the Recycle Bin.
struct FolderRecycled {
  std::optional<ShellRefusal> refusal;  // the gate's: nothing was done
  bool aborted = false;                 // the shell's offer to delete for good, declined
  bool gone = false;
};

}  // namespace

void FolderCommands::mnuExplore_Click() {
  if (context_.IsFolderOk() != msgbox::kYes ||
      !context_.ShellTakes(context_.CurrentFolder(), CheckShellPath(context_.CurrentFolder()),
                           "opened in Explorer")) {
    return;
  }
  context_.fs.StartProgram("Explorer \"" + context_.CurrentFolder() + "\"");
}

// The new process opens where this window was, with the same folders, from
// the configuration saved first; this window steps aside.
void FolderCommands::mnuNewWindow_Click() {
  if (context_.IsFolderOk() != msgbox::kYes) return;
  configSave_();
  context_.main.SetTop(context_.main.Top() + kNewWindowOffset);
  context_.main.SetLeft(context_.main.Left() + kNewWindowOffset);
  if (!context_.fs.StartProgram("\"" + context_.settingsFiles.ProgramDir() + "Vantiro.exe\"")) {
    context_.ws.MsgBox(
        "Sorry: Unable to open a new Vantiro! window.\rVantiro.exe : File not found.",
        msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  }
}

// The folder goes to the Recycle Bin whole or stays. The program asks first,
// then, away from the window's thread, the gate looks through the folder
// and the shell asks nothing after it: no link can come in between. Where
// the bin cannot take the folder, the shell offers to delete it for good,
// walking into whatever links it holds by then; that offer is declined, and
// the user told. The chain closes back from the folder gone, if it still
// shows it.
void FolderCommands::mnuFolderRecycleBin_Click() {
  if (context_.IsFolderOk() != msgbox::kYes) return;
  std::string folder = context_.CurrentFolder();
  if (folder.ends_with(":\\")) {
    context_.ws.MsgBox("Please select a valid folder.", msgbox::kOkOnly | msgbox::kInformation,
                       kAppTitle);
    return;
  }
  if (folder.ends_with('\\')) folder.pop_back();
  if (context_.ws.MsgBox(
          "Do you really want to send '" + folder + "' and all it holds to the Recycle Bin ?",
          msgbox::kYesNo | msgbox::kExclamation, kAppTitle) != msgbox::kYes) {
    return;
  }
  context_.operations.Queue(
      [&fs = context_.fs, folder, request = context_.RecycleRequest({folder}, true)] {
        FolderRecycled recycled{CheckShellTree(fs, folder)};
        if (recycled.refusal) return recycled;
        recycled.aborted = fs.RunShellFileOperation(request).aborted;
        recycled.gone = !fs.Examine(folder);
        return recycled;
      },
      [this, folder](const FolderRecycled& recycled) {
        if (!context_.ShellTakes(folder, recycled.refusal, "sent to the Recycle Bin")) return;
        if (recycled.gone) {
          context_.loader.Removed(folder + '\\');
        } else if (recycled.aborted) {
          context_.ws.MsgBox("'" + folder +
                                 "' cannot be sent to the Recycle Bin: the Recycle Bin cannot " +
                                 "take it. Nothing has been deleted.",
                             msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
        }
      });
}

// Named as Explorer names a new folder, the name typed is made exactly: one
// name, in the current folder, never a path that leads elsewhere.
void FolderCommands::mnuNewFolder_Click() {
  if (context_.IsFolderOk() != msgbox::kYes) return;
  const std::string& parent = context_.CurrentFolder();
  int n = 1;
  while (n < kMostNumbered && context_.fs.Examine(NumberedName(parent + kNewFolder, n, ""))) ++n;
  const std::string name = context_.ws.InputBox("Please enter the name of the new folder",
                                                kNewFolder, NumberedName(kNewFolder, n, ""));
  if (name.empty()) return;
  const std::optional<ShellRule> broken = NameRefused(name);
  if (broken || !context_.fs.MakeFolder(parent + name)) {
    const std::string why = broken ? ": its name " + std::string(Broken(*broken)) : "";
    context_.ws.MsgBox("Unable to make the folder '" + parent + name + "'" + why + ".",
                       msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  context_.steps().OpenWhenRead(parent, name);
  context_.loader.ReadAgain(parent);
}

// The name typed is the folder's new name where it stands, through the
// exact call; the chain, the caption and the favourites follow it.
void FolderCommands::RenameFolder(const std::string& folder) {
  if (context_.IsFolderOk() != msgbox::kYes) return;
  if (folder.ends_with(":\\")) {
    context_.ws.MsgBox("Please select a valid folder.", msgbox::kOkOnly | msgbox::kInformation,
                       kAppTitle);
    return;
  }
  const std::string path = folder.substr(0, folder.size() - 1);
  const std::string parent = FolderOf(path), oldName = NameOf(path);
  const std::string name = context_.ws.InputBox("Please enter the new name", "Rename", oldName);
  if (name.empty() || name == oldName) return;
  const std::optional<ShellRule> broken = NameRefused(name);
  if (broken || !context_.fs.RenameFile(path, parent + name)) {
    const std::string why = broken ? ": the new name " + std::string(Broken(*broken)) : "";
    context_.ws.MsgBox("Unable to rename '" + path + "' to '" + parent + name + "'" + why + ".",
                       msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  context_.steps().FolderRenamed(folder, parent + name + '\\');
  context_.loader.ReadAgain(parent);
}

void FolderCommands::mnuFolderProperties_Click() {
  if (context_.IsFolderOk() == msgbox::kYes) context_.ShowProperties(context_.CurrentFolder());
}

}  // namespace vantiro
