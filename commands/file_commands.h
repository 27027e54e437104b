// The FILE menu: on the files selected in the chain (Rename and Open with
// on one file alone); without a selected file each does nothing, and each
// asks once, however many files are selected.
#pragma once

#include "commands/command_context.h"

namespace vantiro {

class FileCommands {
 public:
  explicit FileCommands(CommandContext& context) : context_(context) {}

  void mnuFileOpen_Click();
  void mnuFileOpenWith_Click();
  void mnuFileRename_Click();
  void mnuFileRecycleBin_Click();
  void mnuFileDelete_Click();
  void mnuFileProperties_Click();
  // The selected files, dragged out with the mouse.
  void DragFilesOut();

 private:
  CommandContext& context_;
};

}  // namespace vantiro
