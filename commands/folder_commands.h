// The FOLDER menu, on the chain's current folder: without one each command
// says so and does nothing.
#pragma once

#include <functional>

#include "commands/command_context.h"

namespace vantiro {

class FolderCommands {
 public:
  // configSave writes the configuration a new window starts from.
  FolderCommands(CommandContext& context, std::function<void()> configSave)
      : context_(context), configSave_(std::move(configSave)) {}

  void mnuExplore_Click();
  void mnuNewWindow_Click();
  void mnuNewFolder_Click();
  void mnuRenameFolder_Click() { RenameFolder(context_.CurrentFolder()); }
  // A folder (ending in "\\") renamed in the folder that holds it.
  void RenameFolder(const std::string& folder);
  void mnuFolderRecycleBin_Click();
  void mnuFolderProperties_Click();

 private:
  CommandContext& context_;
  std::function<void()> configSave_;
};

}  // namespace vantiro
