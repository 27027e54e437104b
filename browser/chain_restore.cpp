// A saved chain opened again, box by box, as the user would.
#include <utility>

#include "browser/browser.h"
#include "chain/names.h"

namespace vantiro {

// A configuration written before the chain kept names holds the rows' text.
bool Browser::Reselect(int index, int entry, const std::string& text) {
  if (index > chain_.LastBox()) return false;
  const std::vector<std::string>& entries = chain_.box(index).entries;
  if (entry < -1 || entry >= std::ssize(entries)) return false;
  const std::string name = entry < 0 ? "" : entries[static_cast<std::size_t>(entry)];
  if (name != text && (index == 0 || FolderRow(name) != text)) return false;
  if (entry == chain_.box(index).selected) return true;
  chain_.Select(index, entry);
  lists_.Dir(index).Select(entry);
  Open(index);
  return true;
}

void Browser::Restore(SavedChain chain) {
  restoring_ = ChainRestore{std::move(chain), 0};
  RestoreNext();
}

// Each remembered box is selected again in turn, then the file; a box that
// opens a folder goes on once the folder is read. The restore stops
// silently where the disk no longer matches, or the file was cut short.
void Browser::RestoreNext() {
  while (restoring_) {
    const std::size_t index = restoring_->next++;
    if (index == restoring_->chain.boxes.size()) {
      const std::optional<SavedSelection> file = std::move(restoring_->chain.file);
      EndRestore();
      if (file) ReselectFile(file->index, file->text);
      return;
    }
    const SavedSelection box = restoring_->chain.boxes[index];
    if (!Reselect(static_cast<int>(index), box.index, box.text) || !box.tag) {
      EndRestore();
      return;
    }
    if (!opening_.path.empty()) return;
  }
}

// The window kept its width while the chain opened again; it now takes the
// width of the chain as it stands.
void Browser::EndRestore() {
  if (!restoring_) return;
  restoring_.reset();
  layout_.ResizeWindow();
}

bool Browser::ReselectFile(int entry, const std::string& text) {
  const std::vector<std::string>& entries = chain_.files().entries;
  if (entry < -1 || entry >= std::ssize(entries)) return false;
  const std::string name = entry < 0 ? "" : entries[static_cast<std::size_t>(entry)];
  if (name != text && FileRow(name) != text) return false;
  ClickFile(entry, 0);
  return true;
}

}  // namespace vantiro
