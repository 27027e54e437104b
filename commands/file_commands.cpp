// The FILE menu: the selected files opened, deleted, sent to the Recycle Bin
// or shown in a Properties sheet; the one selected file opened with another
// program or renamed. Without a selected file each does nothing. Rename and
// Delete are the program's own exact calls; the others go to the shell
// through its gate.
#include <algorithm>

#include "chain/names.h"
#include "commands/commands.h"
#include "commands/open_with.h"

namespace vantiro {
namespace {

constexpr unsigned kFoDelete = 3;
constexpr unsigned kFofNoConfirmation = 0x10;
constexpr unsigned kFofAllowUndo = 0x40;
constexpr unsigned kFofWantNukeWarning = 0x4000;

// The names of a typed path, read as Windows reads what is typed: "/" is
// "\\" and empty names go.
std::vector<std::string> TypedNames(const std::string& answer) {
  std::vector<std::string> names;
  for (std::size_t start = 0; start < answer.size();) {
    const std::size_t stop = std::min(answer.find_first_of("\\/", start), answer.size());
    if (stop > start) names.push_back(answer.substr(start, stop - start));
    start = stop + 1;
  }
  return names;
}

// The path a rename answer names: "." stays in the folder, ".." goes up one;
// the names of the current folder are taken as they are.
std::string TypedPath(std::string path, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (name == "..") {
      const std::size_t parent = path.find_last_of('\\', path.size() - 2);
      if (parent != std::string::npos) path.resize(parent + 1);
    } else if (name != ".") {
      path += name + '\\';
    }
  }
  path.pop_back();
  return path;
}

// The rule a typed name breaks, when one does: the new file would be one
// that the shell and most programs cannot reach.
std::optional<ShellRule> CheckTypedNames(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (name == "." || name == "..") continue;
    if (const auto rule = CheckName(name)) return rule;
  }
  return std::nullopt;
}

}  // namespace

// The shell opens each file itself: no command interpreter reads its name,
// so "&", "^" or "%" in it run nothing else. Batch files are named in one
// question first.
void Commands::mnuFileOpen_Click() {
  const std::vector<std::string> paths = ShellTakesOf(chain_.SelectedFilePaths(), "opened");
  std::string batches;
  for (const std::string& path : paths) {
    if (EndsIn(path, "bat")) batches += (batches.empty() ? "'" : ", '") + path + "'";
  }
  const std::string question =
      paths.size() == 1
          ? "Warning : You are executing a bach file ! Do you want to continue ?"
          : "Warning : You are executing batch files (" + batches + ") ! Do you want to continue ?";
  if (!batches.empty() &&
      ws_.MsgBox(question, msgbox::kYesNo | msgbox::kExclamation, kAppTitle) != msgbox::kYes) {
    return;
  }
  for (const std::string& path : paths) fs_.OpenDocument(path);
}

void Commands::mnuFileOpenWith_Click() {
  const std::optional<std::string> selected = OnlyFile();
  if (!selected || !ShellTakes(*selected, CheckShellPath(*selected), "opened with a program"))
    return;
  if (!fs_.ShowOpenWith(*selected, main_.SystemHandle()))
    FrmOpenWith(ws_, fs_, *selected).ShowModal();
}

void Commands::mnuFileRename_Click() {
  const std::optional<std::string> selected = OnlyFile();
  if (!selected) return;
  const std::string& path = *selected;
  const std::string oldName = path.substr(CurrentFolder().size());
  const std::string answer = ws_.InputBox("Please enter the new name", "Rename", oldName);
  if (answer.empty() || LowerCase(answer) == LowerCase(oldName)) return;
  const std::string target = CurrentFolder() + answer;
  const std::vector<std::string> names = TypedNames(answer);
  const std::optional<ShellRule> broken = CheckTypedNames(names);
  const std::string newPath = TypedPath(CurrentFolder(), names);
  if (broken || !fs_.RenameFile(path, newPath)) {
    const std::string why = broken ? ": the new name " + std::string(Broken(*broken)) + "." : "";
    ws_.MsgBox("Unable to rename '" + path + "' to '" + target + "'" + why,
               msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  loader_.ReadAgain(CurrentFolder());  // a file moved elsewhere shows in no other list
}

void Commands::mnuFileDelete_Click() {
  const std::vector<std::string> paths = chain_.SelectedFilePaths();
  if (paths.empty()) return;
  const std::string what = paths.size() == 1 ? PathsNamed(paths) : "these " + PathsNamed(paths);
  if (ws_.MsgBox("Do you really want to delete " + what + " ?",
                 msgbox::kYesNo | msgbox::kExclamation, kAppTitle) != msgbox::kYes) {
    return;
  }
  operations_.Queue(
      [&fs = fs_, paths] {
        std::vector<std::string> kept;
        for (const std::string& path : paths) {
          if (!fs.RemoveFile(path)) kept.push_back(path);
        }
        return kept;
      },
      [this, folder = CurrentFolder(), count = paths.size()](const std::vector<std::string>& kept) {
        TellLeft(kept, "remove");
        if (kept.size() < count) loader_.ReadAgain(folder);
      });
}

// The shell asks once, shows its progress and reports its errors; what it
// left without the user's word is named.
void Commands::mnuFileRecycleBin_Click() {
  const std::vector<std::string> paths =
      ShellTakesOf(chain_.SelectedFilePaths(), "sent to the Recycle Bin");
  if (paths.empty()) return;
  operations_.Queue(
      [&fs = fs_, request = RecycleRequest(paths, false)] {
        std::vector<std::string> left;
        if (fs.RunShellFileOperation(request).aborted) return left;
        for (const std::string& path : request.from) {
          if (fs.Examine(path)) left.push_back(path);
        }
        return left;
      },
      [this, folder = CurrentFolder()](const std::vector<std::string>& left) {
        TellLeft(left, "send", " to the Recycle Bin");
        loader_.ReadAgain(folder);
      });
}

ShellFileOperation Commands::RecycleRequest(const std::vector<std::string>& paths,
                                            bool askNothing) {
  FileOp.owner = main_.SystemHandle();
  FileOp.func = kFoDelete;
  FileOp.from = paths;
  FileOp.flags = kFofAllowUndo | (askNothing ? kFofNoConfirmation | kFofWantNukeWarning : 0);
  FileOp.declineQuestions = askNothing;
  return FileOp;
}

// One sheet for several files where the shell has one, else the first's.
void Commands::mnuFileProperties_Click() {
  const std::vector<std::string> paths =
      ShellTakesOf(chain_.SelectedFilePaths(), "shown in a Properties sheet");
  if (paths.empty()) return;
  if (paths.size() == 1 || !fs_.ShowSharedProperties(paths, main_.SystemHandle()))
    fs_.ShowProperties(paths.front(), main_.SystemHandle());
}

// Only files the shell reads as they are: one it would misread is named,
// and nothing is dragged.
void Commands::DragFilesOut() {
  const std::vector<std::string> paths = chain_.SelectedFilePaths();
  for (const std::string& path : paths) {
    if (!ShellTakes(path, CheckShellPath(path), "dragged")) return;
  }
  if (!paths.empty() && fs_.DragFiles(paths, main_.SystemHandle()) == kDropMove)
    loader_.ReadAgain(CurrentFolder());
}

void Commands::ShowProperties(const std::string& path, std::uintptr_t ownerWindow) {
  if (ShellTakes(path, CheckShellPath(path), "shown in a Properties sheet"))
    fs_.ShowProperties(path, ownerWindow);
}

}  // namespace vantiro
