// Copy and paste: "Copy" remembers the selected files in the hand-over file
// "Temp" beside the program, one full path a line, so that any window of the
// program, now or in a later run, can paste them; "Paste" copies them into
// the current folder through the shell's copy engine, after the user
// confirms it once, or, where the shell would read a path its own way,
// through the program's own exact copy.
#include "commands/commands.h"
#include "navigation/names.h"
#include "settings/text_file.h"

namespace vantiro {
namespace {

constexpr const char* kHandOverFile = "Temp";
constexpr unsigned kFoCopy = 2;
constexpr unsigned kFofSimpleProgress = 0x100;
constexpr unsigned kFofFilesOnly = 0x80;

// The copied files' full paths; none when the file is missing, empty or
// damaged. A file written by an earlier version holds one path, then that
// file's name alone, which is passed over.
std::vector<std::string> ReadHandOver(const FileSystem& fs, const std::string& path) {
  const std::optional<TextPrefix> contents = ReadTextPrefix(fs, path);
  if (!contents || !contents->whole) return {};
  TextFileReader file(SettingsText(contents->bytes));
  std::vector<std::string> paths;
  std::optional<std::string> name;
  while (const std::optional<std::string_view> line = file.NextLine()) {
    std::optional<std::string> text = TextFileReader::ParseText(*line);
    if (!text || text->empty() || name) return {};
    if (text->find('\\') != std::string::npos) {
      paths.push_back(std::move(*text));
    } else if (paths.size() == 1) {
      name = std::move(text);
    } else {
      return {};
    }
  }
  return paths;
}

}  // namespace

void Commands::mnuCopy_Click() {
  const std::vector<std::string> paths = chain_.SelectedFilePaths();
  if (paths.empty()) return;
  TextFileWriter file;
  for (const std::string& path : paths) file.Text(path);
  const std::string handOver = settingsFiles_.ProgramDir() + kHandOverFile;
  if (!fs_.SaveFile(handOver, file.contents())) {
    ws_.MsgBox("Unable to write '" + handOver + "': nothing has been copied.",
               msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  const std::string copied =
      paths.size() == 1 ? "'" + paths.front() + "' has" : PathsNamed(paths) + ", have";
  ws_.MsgBox(copied + " been copied.\r\rSelect the destination folder and click " +
                 "'Paste' from the 'FOLDER' menu.",
             msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
}

void Commands::mnuPaste_Click() {
  if (IsFolderOk() != msgbox::kYes) return;
  const std::vector<std::string> copied =
      ReadHandOver(fs_, settingsFiles_.ProgramDir() + kHandOverFile);
  if (copied.empty()) {
    ws_.MsgBox("You must first select a file and click 'Copy' from the 'FILE' menu.",
               msgbox::kOkOnly | msgbox::kInformation, "Operation Aborted");
    return;
  }
  CopyFiles(copied, CurrentFolder());
}

// Only files are copied, never a folder: the shell would copy none of its
// files and leave it empty. A file that cannot be copied is named before
// the question, and the others go.
void Commands::CopyFiles(const std::vector<std::string>& sources, const std::string& destFolder) {
  for (const std::string& source : sources) {
    if (LowerCase(FolderOf(source)) != LowerCase(destFolder)) continue;
    ws_.MsgBox("Destination folder must be different from source folder.",
               msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
    return;
  }
  std::vector<std::string> taken, byShell, exactly;  // taken in the order given
  for (const std::string& source : sources) {
    const std::string target = destFolder + NameOf(source);
    const std::optional<ShellRefusal> ofSource = CheckShellPath(source);
    const std::optional<ShellRefusal> ofTarget = CheckShellPath(target);
    const std::optional<ItemInfo> item = fs_.Examine(source);
    std::string refused;
    if (ofSource && !ExactCallsReach(*ofSource)) {
      refused = "'" + source + "' cannot be copied: " + Reason(*ofSource) + ".";
    } else if (ofTarget && !ExactCallsReach(*ofTarget)) {
      refused = "Nothing can be copied to '" + target + "': " + Reason(*ofTarget) + ".";
    } else if (!item || item->folder) {
      refused = "'" + source + "' cannot be copied: " +
                (item ? "it is a folder, and only files are copied." : "it is not there.");
    }
    if (!refused.empty()) {
      ws_.MsgBox(refused, msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    } else {
      taken.push_back(source);
      (ofSource || ofTarget ? exactly : byShell).push_back(source);
    }
  }
  if (taken.empty()) return;
  const std::string source = taken.size() == 1 ? "Source file :   " + taken.front()
                                               : "Source files :   " + PathsNamed(taken);
  const std::string question =
      source + "\r" + "Destination folder :   " + destFolder + "\r\r" + "Do you want to continue ?";
  if (ws_.MsgBox(question, msgbox::kYesNo | msgbox::kQuestion, "Confirm ?") != msgbox::kYes) return;
  for (const std::string& each : exactly) CopyExactly(each, destFolder + NameOf(each));
  if (byShell.empty()) return;
  const ShellFileResult result = fs_.RunShellFileOperation(
      {main_.SystemHandle(), kFoCopy, byShell, destFolder, kFofSimpleProgress | kFofFilesOnly});
  if (result.code != 0) return;  // the shell has said what went wrong
  if (result.aborted) ws_.MsgBox("Operation Failed", msgbox::kOkOnly, kAppTitle);
  lists_.ReadAgain(destFolder);
}

// The program's own copy asks, as the shell would, before it replaces a file.
void Commands::CopyExactly(const std::string& source, const std::string& target) {
  const bool replace = fs_.Examine(target).has_value();
  if (replace && ws_.MsgBox("'" + target + "' is there already. Do you want to replace it ?",
                            msgbox::kYesNo | msgbox::kExclamation, kAppTitle) != msgbox::kYes) {
    ws_.MsgBox("Operation Failed", msgbox::kOkOnly, kAppTitle);
  } else if (!fs_.CopyWhole(source, target, replace)) {
    ws_.MsgBox("Unable to copy '" + source + "' to '" + target + "'.",
               msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  lists_.ReadAgain(FolderOf(target));
}

}  // namespace vantiro
