// A saved chain opened again, box by box, as the user would: each
// remembered box is selected again in turn once the folder the box before
// opened is read, then the file. It stops silently where the disk no
// longer matches, or the file was cut short, and a click meanwhile ends it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "chain/folder_chain.h"
#include "settings/config.h"

namespace vantiro {

class ChainRestore {
 public:
  struct Steps {
    // Selects an entry of a box again, which opens it when it was not
    // selected; false when the box has no such entry.
    std::function<bool(int box, int entry, const std::string& text)> reselect;
    std::function<bool()> opening;  // the folder selected last is still being read
    std::function<void(int row)> selectFile;
    std::function<void()> ended;
  };
  ChainRestore(const FolderChain& chain, Steps steps) : chain_(chain), steps_(std::move(steps)) {}

  void Restore(SavedChain chain);
  // Until the restore ends, the chain it opens: what a save keeps.
  const SavedChain* Restoring() const { return restoring_ ? &restoring_->chain : nullptr; }
  // The next step, once the folder opened last is read.
  void Next();
  void End();

 private:
  void ReselectFile(int entry, const std::string& text);

  const FolderChain& chain_;
  Steps steps_;
  struct Progress {
    SavedChain chain;
    std::size_t next = 0;  // the box to select again next
  };
  std::optional<Progress> restoring_;
};

}  // namespace vantiro
