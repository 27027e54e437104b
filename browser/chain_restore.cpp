#include "browser/chain_restore.h"

#include <utility>

#include "chain/names.h"

namespace vantiro {

void ChainRestore::Restore(SavedChain chain) {
  restoring_ = Progress{std::move(chain), 0};
  Next();
}

void ChainRestore::Next() {
  while (restoring_) {
    const std::size_t index = restoring_->next++;
    if (index == restoring_->chain.boxes.size()) {
      const std::optional<SavedSelection> file = std::move(restoring_->chain.file);
      End();
      if (file) ReselectFile(file->index, file->text);
      return;
    }
    const SavedSelection box = restoring_->chain.boxes[index];
    if (!steps_.reselect(static_cast<int>(index), box.index, box.text) || !box.tag) {
      End();
      return;
    }
    if (steps_.opening()) return;
  }
}

// The window kept its width while the chain opened again; it now takes the
// width of the chain as it stands.
void ChainRestore::End() {
  if (!restoring_) return;
  restoring_.reset();
  steps_.ended();
}

// A configuration written before the chain kept names holds the rows' text.
void ChainRestore::ReselectFile(int entry, const std::string& text) {
  const std::vector<std::string>& entries = chain_.files().entries;
  if (entry < -1 || entry >= std::ssize(entries)) return;
  const std::string name = entry < 0 ? "" : entries[static_cast<std::size_t>(entry)];
  if (name == text || FileRow(name) == text) steps_.selectFile(entry);
}

}  // namespace vantiro
