// The FOLDER menu: the current folder opened in Explorer or in a second
// window of the program, sent to the Recycle Bin or shown in its Properties
// sheet. Without a current folder each says so and does nothing.
#include "commands/commands.h"

namespace vantiro {
namespace {

constexpr Twips kNewWindowOffset = 500;

}  // namespace

void Commands::mnuExplore_Click() {
  if (IsFolderOk() != msgbox::kYes ||
      !ShellTakes(CurrentFolder(), CheckShellPath(CurrentFolder()), "opened in Explorer")) {
    return;
  }
  fs_.StartProgram("Explorer \"" + CurrentFolder() + "\"");
}

// The new process opens where this window was, with the same folders, from
// the configuration saved first; this window steps aside.
void Commands::mnuNewWindow_Click() {
  if (IsFolderOk() != msgbox::kYes) return;
  configSave_();
  main_.SetTop(main_.Top() + kNewWindowOffset);
  main_.SetLeft(main_.Left() + kNewWindowOffset);
  if (!fs_.StartProgram("\"" + settingsFiles_.ProgramDir() + "Vantiro.exe\"")) {
    ws_.MsgBox("Sorry: Unable to open a new Vantiro! window.\rVantiro.exe : File not found.",
               msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  }
}

namespace {

// What came of sending a folder to the Recycle Bin.
struct FolderRecycled {
  std::optional<ShellRefusal> refusal;  // the gate's: nothing was done
  bool aborted = false;                 // the shell's offer to delete for good, declined
  bool gone = false;
};

}  // namespace

// The folder goes to the Recycle Bin whole or stays. The program asks first,
// then, away from the window's thread, the gate looks through the folder
// and the shell asks nothing after it: no link can come in between. Where
// the bin cannot take the folder, the shell offers to delete it for good,
// walking into whatever links it holds by then; that offer is declined, and
// the user told. The chain closes back from the folder gone, if it still
// shows it.
void Commands::mnuFolderRecycleBin_Click() {
  if (IsFolderOk() != msgbox::kYes) return;
  std::string folder = CurrentFolder();
  if (folder.ends_with(":\\")) {
    ws_.MsgBox("Please select a valid folder.", msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
    return;
  }
  if (folder.ends_with('\\')) folder.pop_back();
  if (ws_.MsgBox(
          "Do you really want to send '" + folder + "' and all it holds to the Recycle Bin ?",
          msgbox::kYesNo | msgbox::kExclamation, kAppTitle) != msgbox::kYes) {
    return;
  }
  operations_.Queue(
      [&fs = fs_, folder, request = RecycleRequest({folder}, true)] {
        FolderRecycled recycled{CheckShellTree(fs, folder)};
        if (recycled.refusal) return recycled;
        recycled.aborted = fs.RunShellFileOperation(request).aborted;
        recycled.gone = !fs.Examine(folder);
        return recycled;
      },
      [this, folder](const FolderRecycled& recycled) {
        if (!ShellTakes(folder, recycled.refusal, "sent to the Recycle Bin")) return;
        if (recycled.gone) {
          loader_.Removed(folder + '\\');
        } else if (recycled.aborted) {
          ws_.MsgBox("'" + folder + "' cannot be sent to the Recycle Bin: the Recycle Bin cannot " +
                         "take it. Nothing has been deleted.",
                     msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
        }
      });
}

void Commands::mnuFolderProperties_Click() {
  if (IsFolderOk() == msgbox::kYes) ShowProperties(CurrentFolder(), main_.SystemHandle());
}

}  // namespace vantiro
