// Copy, cut and paste through the system clipboard and the hand-over file,
// and files dropped on a folder.
#pragma once

#include <string>
#include <vector>

#include "commands/command_context.h"

namespace vantiro {

// What a copy or a move will do, and what came of it.
struct TransferPlan;
struct TransferOutcome;

class CopyPaste {
 public:
  explicit CopyPaste(CommandContext& context) : context_(context) {}

  void mnuCopy_Click();
  void mnuCut_Click();
  void mnuCopyAsPath_Click();
  void mnuPaste_Click();
  // Files dropped on a folder: a move with kDropMove, else a copy.
  void DropFiles(const std::vector<std::string>& sources, const std::string& destFolder,
                 int effect) {
    Transfer(sources, destFolder, effect == kDropMove);
  }

 private:
  // Copies the sources into destFolder, or moves them, after one question;
  // cut: they were cut to the clipboard, and whoever cut them hears of the move.
  void Transfer(const std::vector<std::string>& sources, const std::string& destFolder, bool move,
                bool cut = false);
  void AskAndTransfer(const TransferPlan& plan, const std::string& destFolder, bool move, bool cut);
  void ReportTransfer(const TransferOutcome& outcome, const std::vector<std::string>& sources,
                      const std::string& destFolder, bool move, bool cut);
  // "'c:\a.txt' has been <done>.", or "... have been ...", and where to paste.
  void SayDone(const std::vector<std::string>& paths, std::string_view done);

  CommandContext& context_;
};

}  // namespace vantiro
