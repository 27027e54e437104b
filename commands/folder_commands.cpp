// The FOLDER menu: the current folder opened in Explorer or in a second
// window of the program, sent to the Recycle Bin or shown in its Properties
// sheet. Without a current folder each says so and does nothing.
#include "commands/commands.h"

namespace vantiro {
namespace {

constexpr Twips kNewWindowOffset = 500;

}  // namespace

void Commands::mnuExplore_Click() {
  if (browser_.IsFolderOk() != msgbox::kYes ||
      !ShellTakes(CurrentFolder(), CheckShellPath(CurrentFolder()), "opened in Explorer")) {
    return;
  }
  fs_.StartProgram("Explorer \"" + CurrentFolder() + "\"");
}

// The new process opens where this window was, with the same folders, from
// the configuration saved first; this window steps aside.
void Commands::mnuNewWindow_Click() {
  if (browser_.IsFolderOk() != msgbox::kYes) return;
  configSave_();
  main_.SetTop(main_.Top() + kNewWindowOffset);
  main_.SetLeft(main_.Left() + kNewWindowOffset);
  if (!fs_.StartProgram("\"" + settingsFiles_.ProgramDir() + "Vantiro.exe\"")) {
    ws_.MsgBox("Sorry: Unable to open a new Vantiro! window.\rVantiro.exe : File not found.",
               msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  }
}

void Commands::mnuFolderRecycleBin_Click() {
  if (browser_.IsFolderOk() != msgbox::kYes) return;
  std::string folder = CurrentFolder();
  if (folder.ends_with(":\\")) {
    ws_.MsgBox("Please select a valid folder.", msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
    return;
  }
  if (folder.ends_with('\\')) folder.pop_back();
  if (Recycle(folder, CheckShellTree(fs_, folder)) && !fs_.Examine(folder))
    browser_.CloseCurrentFolder();
}

void Commands::mnuFolderProperties_Click() {
  if (browser_.IsFolderOk() == msgbox::kYes) ShowProperties(CurrentFolder(), main_.SystemHandle());
}

}  // namespace vantiro
