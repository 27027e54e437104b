// The FILE menu: the selected files opened, deleted, sent to the Recycle Bin
// or shown in a Properties sheet; the one selected file opened with another
// program or renamed. Without a selected file each does nothing. Rename and
// Delete are the program's own exact calls; the others go to the shell
// through its gate.
#include <algorithm>

#include "chain/names.h"
#include "commands/file_commands.h"
#include "commands/open_with.h"

namespace vantiro {
namespace {

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
void FileCommands::mnuFileOpen_Click() {
  const std::vector<std::string> paths =
      context_.ShellTakesOf(context_.chain.SelectedFilePaths(), "opened");
  std::string batches;
  for (const std::string& path : paths) {
    if (EndsIn(path, "bat")) batches += (batches.empty() ? "'" : ", '") + path + "'";
  }
  const std::string question =
      paths.size() == 1
          ? "Warning : You are executing a bach file ! Do you want to continue ?"
          : "Warning : You are executing batch files (" + batches + ") ! Do you want to continue ?";
  if (!batches.empty() && context_.ws.MsgBox(question, msgbox::kYesNo | msgbox::kExclamation,
                                             kAppTitle) != msgbox::kYes) {
    return;
  }
  for (const std::string& path : paths) context_.fs.OpenDocument(path);
}

void FileCommands::mnuFileOpenWith_Click() {
  const std::optional<std::string> selected = context_.OnlyFile();
  if (!selected ||
      !context_.ShellTakes(*selected, CheckShellPath(*selected), "opened with a program"))
    return;
  if (!context_.fs.ShowOpenWith(*selected, context_.main.SystemHandle()))
    FrmOpenWith(context_.ws, context_.fs, *selected).ShowModal();
}

void FileCommands::mnuFileRename_Click() {
  const std::optional<std::string> selected = context_.OnlyFile();
  if (!selected) return;
  const std::string& path = *selected;
  const std::string oldName = path.substr(context_.CurrentFolder().size());
  const std::string answer = context_.ws.InputBox("Please enter the new name", "Rename", oldName);
  if (answer.empty() || LowerCase(answer) == LowerCase(oldName)) return;
  const std::string target = context_.CurrentFolder() + answer;
  const std::vector<std::string> names = TypedNames(answer);
  const std::optional<ShellRule> broken = CheckTypedNames(names);
  const std::string newPath = TypedPath(context_.CurrentFolder(), names);
  if (broken || !context_.fs.RenameFile(path, newPath)) {
    const std::string why = broken ? ": the new name " + std::string(Broken(*broken)) + "." : "";
    context_.ws.MsgBox("Unable to rename '" + path + "' to '" + target + "'" + why,
                       msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  context_.loader.ReadAgain(
      context_.CurrentFolder());  // a file moved elsewhere shows in no other list
}

void FileCommands::mnuFileDelete_Click() {
  const std::vector<std::string> paths = context_.chain.SelectedFilePaths();
  if (paths.empty()) return;
  const std::string what = paths.size() == 1 ? PathsNamed(paths) : "these " + PathsNamed(paths);
  if (context_.ws.MsgBox("Do you really want to delete " + what + " ?",
                         msgbox::kYesNo | msgbox::kExclamation, kAppTitle) != msgbox::kYes) {
    return;
  }
  context_.operations.Queue(
      [&fs = context_.fs, paths] {
        std::vector<std::string> kept;
        for (const std::string& path : paths) {
          if (!fs.RemoveFile(path)) kept.push_back(path);
        }
        return kept;
      },
      [this, folder = context_.CurrentFolder(),
       count = paths.size()](const std::vector<std::string>& kept) {
        context_.TellLeft(kept, "remove");
        if (kept.size() < count) context_.loader.ReadAgain(folder);
      });
}

// The shell asks once, shows its progress and reports its errors; what it
// left without the user's word is named.
void FileCommands::mnuFileRecycleBin_Click() {
  const std::vector<std::string> paths =
      context_.ShellTakesOf(context_.chain.SelectedFilePaths(), "sent to the Recycle Bin");
  if (paths.empty()) return;
  context_.operations.Queue(
      [&fs = context_.fs, request = context_.RecycleRequest(paths, false)] {
        std::vector<std::string> left;
        if (fs.RunShellFileOperation(request).aborted) return left;
        for (const std::string& path : request.from) {
          if (fs.Examine(path)) left.push_back(path);
        }
        return left;
      },
      [this, folder = context_.CurrentFolder()](const std::vector<std::string>& left) {
        context_.TellLeft(left, "send", " to the Recycle Bin");
        context_.loader.ReadAgain(folder);
      });
}

// One sheet for several files where the shell has one, else the first's.
void FileCommands::mnuFileProperties_Click() {
  const std::vector<std::string> paths =
      context_.ShellTakesOf(context_.chain.SelectedFilePaths(), "shown in a Properties sheet");
  if (paths.empty()) return;
  if (paths.size() == 1 || !context_.fs.ShowSharedProperties(paths, context_.main.SystemHandle()))
    context_.fs.ShowProperties(paths.front(), context_.main.SystemHandle());
}

// Only files the shell reads as they are: one it would misread is named,
// and nothing is dragged.
void FileCommands::DragFilesOut() {
  const std::vector<std::string> paths = context_.chain.SelectedFilePaths();
  for (const std::string& path : paths) {
    if (!context_.ShellTakes(path, CheckShellPath(path), "dragged")) return;
  }
  if (!paths.empty() && context_.fs.DragFiles(paths, context_.main.SystemHandle()) == kDropMove)
    context_.loader.ReadAgain(context_.CurrentFolder());
}

}  // namespace vantiro
