// What every command shares: the selection and the current folder asked,
// the gate's refusals told, the one message naming what an operation
// left, the Recycle Bin's request and a Properties sheet.
#include "commands/command_context.h"

#include <algorithm>

namespace vantiro {
namespace {

constexpr unsigned kFoDelete = 3;
constexpr unsigned kFofNoConfirmation = 0x10;
constexpr unsigned kFofAllowUndo = 0x40;
constexpr unsigned kFofWantNukeWarning = 0x4000;

}  // namespace

std::string PathsNamed(const std::vector<std::string>& paths) {
  const std::string first = "'" + paths.front() + "'";
  return paths.size() == 1 ? first : std::to_string(paths.size()) + " files, the first " + first;
}

std::vector<std::string> CommandContext::ShellTakesOf(const std::vector<std::string>& paths,
                                                      std::string_view action) const {
  std::vector<std::string> taken;
  for (const std::string& path : paths) {
    if (ShellTakes(path, CheckShellPath(path), action)) taken.push_back(path);
  }
  return taken;
}

std::vector<std::string> CommandContext::ForTheShell(std::vector<std::string> paths) {
  const bool misread = std::ranges::any_of(
      paths, [](const std::string& path) { return CheckShellPath(path).has_value(); });
  return misread ? std::vector<std::string>{} : paths;
}

std::optional<std::string> CommandContext::OnlyFile() const {
  if (chain.files().selection.Count() != 1) return std::nullopt;
  return chain.SelectedFilePath();
}

bool CommandContext::ShellTakes(const std::string& path, const std::optional<ShellRefusal>& refusal,
                                std::string_view action) const {
  if (!refusal) return true;
  ws.MsgBox("'" + path + "' cannot be " + std::string(action) + ": " + Reason(*refusal) + ".",
            msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  return false;
}

void CommandContext::TellLeft(const std::vector<std::string>& left, std::string_view undone,
                              std::string_view where) const {
  if (left.empty()) return;
  const std::string comma = left.size() > 1 && !where.empty() ? "," : "";
  ws.MsgBox("Unable to " + std::string(undone) + " " + PathsNamed(left) + comma +
                std::string(where) + ".",
            msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
}

int IsFolderOk(WindowSystem& ws, const FolderChain& chain) {
  if (chain.CurrentFolder().empty()) {
    ws.MsgBox("Please select a valid folder...", msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
    return msgbox::kNo;
  }
  return msgbox::kYes;
}

ShellFileOperation CommandContext::RecycleRequest(const std::vector<std::string>& paths,
                                                  bool askNothing) {
  FileOp.owner = main.SystemHandle();
  FileOp.func = kFoDelete;
  FileOp.from = paths;
  FileOp.flags = kFofAllowUndo | (askNothing ? kFofNoConfirmation | kFofWantNukeWarning : 0);
  FileOp.declineQuestions = askNothing;
  return FileOp;
}

void CommandContext::ShowProperties(const std::string& path) const {
  if (ShellTakes(path, CheckShellPath(path), "shown in a Properties sheet"))
    fs.ShowProperties(path, main.SystemHandle());
}

}  // namespace vantiro
