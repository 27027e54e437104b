// The FOLDER menu: the current folder opened in Explorer or in a second
// window of the program, sent to the Recycle Bin or shown in its Properties
// sheet. Without a current folder each says so and does nothing.
#include "app/form1.h"
#include "commands/shell_gate.h"

namespace vantiro {
namespace {

constexpr Twips kNewWindowOffset = 500;

}  // namespace

void Form1::mnuExplore_Click() {
  if (IsFolderOk() != msgbox::kYes ||
      !ShellTakes(CurrentFolder, CheckShellPath(CurrentFolder), "opened in Explorer")) {
    return;
  }
  fs_.StartProgram("Explorer \"" + CurrentFolder + "\"");
}

void Form1::Dir_DblClick() { mnuExplore_Click(); }

// The new process opens where this window was, with the same folders, from
// the configuration saved first; this window steps aside.
void Form1::mnuNewWindow_Click() {
  if (IsFolderOk() != msgbox::kYes) return;
  Config_Save();
  window_->SetTop(window_->Top() + kNewWindowOffset);
  window_->SetLeft(window_->Left() + kNewWindowOffset);
  if (!fs_.StartProgram("\"" + ProgramDir + "Vantiro.exe\"")) {
    ws_.MsgBox("Sorry: Unable to open a new Vantiro! window.\rVantiro.exe : File not found.",
               msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  }
}

void Form1::mnuFolderRecycleBin_Click() {
  if (IsFolderOk() != msgbox::kYes) return;
  std::string folder = CurrentFolder;
  if (folder.ends_with(":\\")) {
    ws_.MsgBox("Please select a valid folder.", msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
    return;
  }
  if (folder.ends_with('\\')) folder.pop_back();
  Recycle(folder, CheckShellTree(fs_, folder));
}

void Form1::mnuFolderProperties_Click() {
  if (IsFolderOk() == msgbox::kYes) ShowProperties(CurrentFolder, window_->SystemHandle());
}

}  // namespace vantiro
