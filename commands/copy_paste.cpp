// Copy, cut and paste, and files dropped on a folder: "Copy" puts the
// selected files on the system clipboard, as Explorer does, and remembers
// them in the hand-over file "Temp" beside the program, one full path a
// line, so that any window of the program, now or in a later run, can
// paste them; "Cut" puts them on the clipboard to be moved. "Paste" takes
// the files on the clipboard, whoever put them there, else those of "Temp".
// It, or a drop, copies them into a folder (files cut, or a drag with
// Shift, move) after the user confirms it once: through the
// shell's engine, or where the shell would read a path its own way,
// through the program's own exact calls. What each file is and what is left
// of it afterwards are looked at away from the window's thread.
#include <set>

#include "chain/names.h"
#include "commands/copy_paste.h"
#include "settings/text_file.h"

namespace vantiro {
namespace {

constexpr const char* kHandOverFile = "Temp";
constexpr unsigned kFoMove = 1;
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

void CopyPaste::mnuCopy_Click() {
  const std::vector<std::string> paths = context_.chain.SelectedFilePaths();
  if (paths.empty()) return;
  TextFileWriter file;
  for (const std::string& path : paths) file.Text(path);
  const std::string handOver = context_.settingsFiles.ProgramDir() + kHandOverFile;
  if (!context_.fs.SaveFile(handOver, file.contents())) {
    context_.ws.MsgBox("Unable to write '" + handOver + "': nothing has been copied.",
                       msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  context_.fs.PutFilesOnClipboard(paths, kDropCopy, context_.main.SystemHandle());
  SayDone(paths, "copied");
}

void CopyPaste::mnuCut_Click() {
  const std::vector<std::string> paths = context_.chain.SelectedFilePaths();
  if (paths.empty()) return;
  if (!context_.fs.PutFilesOnClipboard(paths, kDropMove, context_.main.SystemHandle())) {
    context_.ws.MsgBox(
        "Unable to put " + PathsNamed(paths) + " on the clipboard: nothing has been cut.",
        msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  SayDone(paths, "cut");
}

void CopyPaste::SayDone(const std::vector<std::string>& paths, std::string_view done) {
  const std::string which =
      paths.size() == 1 ? "'" + paths.front() + "' has" : PathsNamed(paths) + ", have";
  context_.ws.MsgBox(which + " been " + std::string(done) +
                         ".\r\rSelect the destination folder and click 'Paste' from the "
                         "'FOLDER' menu.",
                     msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
}

// The paths as Explorer's "Copy as path" gives them: quoted, one a line.
void CopyPaste::mnuCopyAsPath_Click() {
  const std::vector<std::string> paths = context_.chain.SelectedFilePaths();
  if (paths.empty()) return;
  std::string text;
  for (const std::string& path : paths) text += (text.empty() ? "\"" : "\r\n\"") + path + '"';
  if (!context_.fs.PutTextOnClipboard(text, context_.main.SystemHandle())) {
    context_.ws.MsgBox("Unable to put the paths on the clipboard.",
                       msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  }
}

void CopyPaste::mnuPaste_Click() {
  if (context_.IsFolderOk() != msgbox::kYes) return;
  if (const std::optional<ClipboardFiles> clipboard = context_.fs.FilesOnClipboard()) {
    const bool cut = clipboard->effect == kDropMove;
    Transfer(clipboard->paths, context_.CurrentFolder(), cut, cut);
    return;
  }
  const std::vector<std::string> copied =
      ReadHandOver(context_.fs, context_.settingsFiles.ProgramDir() + kHandOverFile);
  if (copied.empty()) {
    context_.ws.MsgBox("You must first select a file and click 'Copy' from the 'FILE' menu.",
                       msgbox::kOkOnly | msgbox::kInformation, "Operation Aborted");
    return;
  }
  Transfer(copied, context_.CurrentFolder(), false);
}

// What each file of a transfer is: refused (and why), for the shell, or for
// the program's exact calls.
struct TransferPlan {
  struct Exact {
    std::string source;
    bool targetTaken = false;  // a file of its name is there already
  };
  std::vector<std::string> refusals;  // one message each
  std::vector<std::string> taken;     // in the order given
  std::vector<std::string> byShell;
  std::vector<Exact> exactly;
};

// What became of a transfer; the files the shell left are those of its
// request that are not where they should be, unless the user stopped it.
struct TransferOutcome {
  std::vector<std::string> failures;  // one message for each exact call that failed
  bool aborted = false;               // the user declined a step of the shell's
  std::vector<std::string> left;
};

namespace {

// On any thread: it looks at each file on the disk.
TransferPlan PlanTransfer(const FileSystem& fs, const std::vector<std::string>& sources,
                          const std::string& destFolder, bool move) {
  const std::string done = move ? "moved" : "copied";
  TransferPlan plan;
  for (const std::string& source : sources) {
    const std::string target = destFolder + NameOf(source);
    const std::optional<ShellRefusal> ofSource = CheckShellPath(source);
    const std::optional<ShellRefusal> ofTarget = CheckShellPath(target);
    const std::optional<ItemInfo> item = fs.Examine(source);
    if (ofSource && !ExactCallsReach(*ofSource)) {
      plan.refusals.push_back("'" + source + "' cannot be " + done + ": " + Reason(*ofSource) +
                              ".");
    } else if (ofTarget && !ExactCallsReach(*ofTarget)) {
      plan.refusals.push_back("Nothing can be " + done + " to '" + target +
                              "': " + Reason(*ofTarget) + ".");
    } else if (!item || item->folder) {
      plan.refusals.push_back("'" + source + "' cannot be " + done + ": " +
                              (item ? "it is a folder, and only files are " + done + "."
                                    : std::string("it is not there.")));
    } else {
      plan.taken.push_back(source);
      if (ofSource || ofTarget) {
        plan.exactly.push_back({source, fs.Examine(target).has_value()});
      } else {
        plan.byShell.push_back(source);
      }
    }
  }
  return plan;
}

// The program's own exact copy or move of one file.
bool TransferExactly(FileSystem& fs, const std::string& source, const std::string& target,
                     bool replace, bool move) {
  if (!move) return fs.CopyWhole(source, target, replace);
  return (!replace && fs.RenameFile(source, target)) ||
         (fs.CopyWhole(source, target, replace) && fs.RemoveFile(source));
}

// On any thread: the exact calls, then the shell's, then a look at what the
// shell left.
TransferOutcome CarryOut(FileSystem& fs, const std::vector<TransferPlan::Exact>& exact,
                         const ShellFileOperation& request, bool move) {
  TransferOutcome outcome;
  for (const auto& [source, replace] : exact) {
    const std::string target = request.to + NameOf(source);
    if (!TransferExactly(fs, source, target, replace, move)) {
      outcome.failures.push_back("Unable to " + std::string(move ? "move" : "copy") + " '" +
                                 source + "' to '" + target + "'.");
    }
  }
  if (request.from.empty()) return outcome;
  outcome.aborted = fs.RunShellFileOperation(request).aborted;
  if (outcome.aborted) return outcome;
  for (const std::string& source : request.from) {
    const bool there = fs.Examine(request.to + NameOf(source)).has_value();
    if (!there || (move && fs.Examine(source))) outcome.left.push_back(source);
  }
  return outcome;
}

}  // namespace

// Only files go, never a folder: the shell would copy none of its files
// and leave it empty. A file that cannot go is named before the question,
// and the others go.
void CopyPaste::Transfer(const std::vector<std::string>& sources, const std::string& destFolder,
                         bool move, bool cut) {
  for (const std::string& source : sources) {
    if (LowerCase(FolderOf(source)) != LowerCase(destFolder)) continue;
    context_.ws.MsgBox("Destination folder must be different from source folder.",
                       msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
    return;
  }
  context_.operations.Queue([&fs = context_.fs, sources, destFolder,
                             move] { return PlanTransfer(fs, sources, destFolder, move); },
                            [this, destFolder, move, cut](const TransferPlan& plan) {
                              AskAndTransfer(plan, destFolder, move, cut);
                            });
}

// The program's own copy asks, as the shell would, before it replaces a file.
// Files cut are told moved only when every one of them went.
void CopyPaste::AskAndTransfer(const TransferPlan& plan, const std::string& destFolder, bool move,
                               bool cut) {
  for (const std::string& refusal : plan.refusals)
    context_.ws.MsgBox(refusal, msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  if (plan.taken.empty()) return;
  const std::string source = plan.taken.size() == 1 ? "Source file :   " + plan.taken.front()
                                                    : "Source files :   " + PathsNamed(plan.taken);
  const std::string question =
      source + "\r" + "Destination folder :   " + destFolder + "\r\r" + "Do you want to continue ?";
  if (context_.ws.MsgBox(question, msgbox::kYesNo | msgbox::kQuestion, "Confirm ?") != msgbox::kYes)
    return;
  std::vector<TransferPlan::Exact> exact;  // those to go, over a file there when asked to
  for (const TransferPlan::Exact& each : plan.exactly) {
    const std::string target = destFolder + NameOf(each.source);
    if (each.targetTaken &&
        context_.ws.MsgBox("'" + target + "' is there already. Do you want to replace it ?",
                           msgbox::kYesNo | msgbox::kExclamation, kAppTitle) != msgbox::kYes) {
      context_.ws.MsgBox("Operation Failed", msgbox::kOkOnly, kAppTitle);
    } else {
      exact.push_back(each);
    }
  }
  cut = cut && exact.size() == plan.exactly.size();
  const ShellFileOperation request{context_.main.SystemHandle(), move ? kFoMove : kFoCopy,
                                   plan.byShell, destFolder, kFofSimpleProgress | kFofFilesOnly};
  context_.operations.Queue(
      [&fs = context_.fs, exact, request, move] { return CarryOut(fs, exact, request, move); },
      [this, sources = plan.taken, destFolder, move, cut](const TransferOutcome& outcome) {
        ReportTransfer(outcome, sources, destFolder, move, cut);
      });
}

void CopyPaste::ReportTransfer(const TransferOutcome& outcome,
                               const std::vector<std::string>& sources,
                               const std::string& destFolder, bool move, bool cut) {
  for (const std::string& failure : outcome.failures)
    context_.ws.MsgBox(failure, msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  if (outcome.aborted) context_.ws.MsgBox("Operation Failed", msgbox::kOkOnly, kAppTitle);
  context_.TellLeft(outcome.left, move ? "move" : "copy", " to '" + destFolder + "'");
  context_.loader.ReadAgain(destFolder);
  if (!move) return;
  if (cut && outcome.failures.empty() && !outcome.aborted && outcome.left.empty())
    context_.fs.TellPastedMove(sources, context_.main.SystemHandle());
  std::set<std::string> folders;
  for (const std::string& source : sources) folders.insert(FolderOf(source));
  for (const std::string& folder : folders) context_.loader.ReadAgain(folder);
}

}  // namespace vantiro
