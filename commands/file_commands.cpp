// The FILE menu: the selected file opened, opened with another program,
// renamed, deleted, sent to the Recycle Bin or shown in its Properties sheet.
// Without a selected file each does nothing.
#include "app/form1.h"
#include "commands/open_with.h"
#include "navigation/names.h"

namespace vantiro {
namespace {

constexpr unsigned kFoDelete = 3;
constexpr unsigned kFofAllowUndo = 0x40;

}  // namespace

std::optional<std::string> Form1::SelectedFilePath() const {
  if (files_->Selected() < 0) return std::nullopt;
  return CurrentFolder + files_->Item(files_->Selected());
}

// The shell opens the file itself: no command interpreter reads its name, so
// "&", "^" or "%" in it run nothing else.
void Form1::mnuFileOpen_Click() {
  const std::optional<std::string> selected = SelectedFilePath();
  if (!selected) return;
  const std::string& path = *selected;
  const std::string ending = path.size() >= 3 ? path.substr(path.size() - 3) : path;
  if ((ending == "bat" || ending == "BAT") &&
      ws_.MsgBox("Warning : You are executing a bach file ! Do you want to continue ?",
                 msgbox::kYesNo | msgbox::kExclamation, kAppTitle) != msgbox::kYes) {
    return;
  }
  fs_.OpenDocument(path);
}

void Form1::Files_DblClick() { mnuFileOpen_Click(); }

void Form1::mnuFileOpenWith_Click() {
  const std::optional<std::string> selected = SelectedFilePath();
  if (selected && !fs_.ShowOpenWith(*selected, window_->SystemHandle()))
    FrmOpenWith(ws_, fs_, *selected).ShowModal();
}

void Form1::mnuFileRename_Click() {
  const std::optional<std::string> selected = SelectedFilePath();
  if (!selected) return;
  const std::string& path = *selected;
  const std::string oldName = files_->Item(files_->Selected());
  const std::string answer = ws_.InputBox("Please enter the new name", "Rename", oldName);
  if (answer.empty() || LowerCase(answer) == LowerCase(oldName)) return;
  const std::string target = CurrentFolder + answer;
  if (!fs_.RenameFile(path, target)) {
    ws_.MsgBox("Unable to rename '" + path + "' to '" + target + "'",
               msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  Refresh_All();
}

void Form1::mnuFileDelete_Click() {
  const std::optional<std::string> selected = SelectedFilePath();
  if (!selected) return;
  const std::string& path = *selected;
  if (ws_.MsgBox("Do you really want to delete '" + path + "' ?",
                 msgbox::kYesNo | msgbox::kExclamation, kAppTitle) != msgbox::kYes) {
    return;
  }
  if (!fs_.RemoveFile(path)) {
    ws_.MsgBox("Unable to remove '" + path + "'.", msgbox::kOkOnly | msgbox::kExclamation,
               kAppTitle);
    return;
  }
  Refresh_All();
}

// The shell asks, shows its progress and reports its errors; the view is
// rebuilt whatever came of it.
void Form1::mnuFileRecycleBin_Click() {
  if (const std::optional<std::string> selected = SelectedFilePath()) Recycle(*selected);
}

// Some shells lose their way in paths longer than 260 characters: the
// adapter never hands them one, and the user hears why.
void Form1::Recycle(const std::string& path) {
  FileOp.func = kFoDelete;
  FileOp.from = path;
  FileOp.flags = kFofAllowUndo;
  if (fs_.RunShellFileOperation(FileOp).code == kPathTooLongForShell) {
    ws_.MsgBox("Unable to send '" + path +
                   "' to the Recycle Bin: it is or holds a path longer than 260 characters.",
               msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  }
  Refresh_All();
}

void Form1::mnuFileProperties_Click() {
  if (const std::optional<std::string> selected = SelectedFilePath())
    ShowProperties(*selected, window_->SystemHandle());
}

void Form1::ShowProperties(const std::string& path, std::uintptr_t ownerWindow) {
  fs_.ShowProperties(path, ownerWindow);
}

}  // namespace vantiro
