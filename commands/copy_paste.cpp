// Copy and paste: "Copy" remembers the selected file in the hand-over file
// "Temp" beside the program, so that any window of the program, now or in a
// later run, can paste it; "Paste" copies it into the current folder through
// the shell's copy engine, after the user confirms it, or, where the shell
// would read a path its own way, through the program's own exact copy.
#include "commands/commands.h"
#include "settings/text_file.h"

namespace vantiro {
namespace {

constexpr const char* kHandOverFile = "Temp";
constexpr unsigned kFoCopy = 2;
constexpr unsigned kFofSimpleProgress = 0x100;
constexpr unsigned kFofFilesOnly = 0x80;

// The copied file's full path and its name, nullopt unless both are there:
// an empty or damaged file means that nothing was copied.
std::optional<std::pair<std::string, std::string>> ReadHandOver(const FileSystem& fs,
                                                                const std::string& path) {
  std::optional<std::string> contents = ReadTextFile(fs, path);
  if (!contents) return std::nullopt;
  TextFileReader file(SettingsText(*contents));
  std::optional<std::string> source = file.Text();
  std::optional<std::string> name = file.Text();
  if (!source || !name || source->empty() || name->empty()) return std::nullopt;
  return std::pair{std::move(*source), std::move(*name)};
}

}  // namespace

void Commands::mnuCopy_Click() {
  const std::optional<std::string> path = chain_.SelectedFilePath();
  if (!path) return;
  TextFileWriter file;
  file.Text(*path);
  file.Text(path->substr(CurrentFolder().size()));
  const std::string handOver = settingsFiles_.ProgramDir() + kHandOverFile;
  if (!fs_.SaveFile(handOver, file.contents())) {
    ws_.MsgBox("Unable to write '" + handOver + "': nothing has been copied.",
               msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  ws_.MsgBox("'" + *path + "' has been copied.\r\rSelect the destination folder and click " +
                 "'Paste' from the 'FOLDER' menu.",
             msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
}

void Commands::mnuPaste_Click() {
  if (IsFolderOk() != msgbox::kYes) return;
  const auto copied = ReadHandOver(fs_, settingsFiles_.ProgramDir() + kHandOverFile);
  if (!copied) {
    ws_.MsgBox("You must first select a file and click 'Copy' from the 'FILE' menu.",
               msgbox::kOkOnly | msgbox::kInformation, "Operation Aborted");
    return;
  }
  const auto& [source, name] = *copied;
  if (CurrentFolder() + name == source) {
    ws_.MsgBox("Destination folder must be different from source folder.",
               msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
    return;
  }
  CopyFile(source, CurrentFolder());
}

// Only a file is copied, never a folder: the shell would copy none of its
// files and leave it empty.
void Commands::CopyFile(const std::string& source, const std::string& destFolder) {
  const std::string target = destFolder + source.substr(source.find_last_of('\\') + 1);
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
    return;
  }
  const std::string question = "Source file :   " + source + "\r" +
                               "Destination folder :   " + destFolder + "\r\r" +
                               "Do you want to continue ?";
  if (ws_.MsgBox(question, msgbox::kYesNo | msgbox::kQuestion, "Confirm ?") != msgbox::kYes) return;
  if (ofSource || ofTarget) {
    CopyExactly(source, target);
    return;
  }
  const ShellFileResult result = fs_.RunShellFileOperation(
      {main_.SystemHandle(), kFoCopy, source, destFolder, kFofSimpleProgress | kFofFilesOnly});
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
  lists_.ReadAgain(target.substr(0, target.find_last_of('\\') + 1));
}

}  // namespace vantiro
