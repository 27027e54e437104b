// What the loader finds of the folders the chain shows, drawn: the rows of a
// folder being opened as they are read, and any folder read again whole.
#include <utility>

#include "navigation/browser.h"

namespace vantiro {

bool Browser::Listing() const { return loader_.Busy(); }

void Browser::ReadAgain(const std::string& folder) { loader_.ReadAgain(folder); }

void Browser::FollowShown() { loader_.FollowShown(opening_.path); }

void Browser::Unwatched(const std::string& path) {
  if (std::exchange(unwatchedSaid_, true)) return;
  ws_.MsgBox("Changes that other programs make in '" + path +
                 "' will show only after a Refresh: Windows cannot watch it.",
             msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
}

// Titles of the file list's HTML files, read after its names.
void Browser::Titled(const std::string& path, std::vector<std::string> titles) {
  if (!chain_.SetTitles(path, std::move(titles))) return;
  previews_.SetHtmlTitles(chain_.files().titles);
  ShowHtmlList();
}

// Rows read so far are added to what the boxes show, and the caption
// counts them.
void Browser::Batch(const std::string& path, const ReadNames& read) {
  if (path != opening_.path) return;  // a folder read again shows once whole
  const int last = chain_.LastBox();
  const bool hadFiles = !chain_.files().entries.empty();
  const ChainChange change = chain_.AddRead(path, read);
  if (change.length) {
    ShowChainEnd();
    DrawBox(chain_.LastBox());
  } else if (!change.boxes.empty()) {
    Dir(last).ShowMoreRows(chain_.box(last).entries.size());
  }
  if (change.files) files_->ShowMoreRows(chain_.files().entries.size());
  if (change.length || (change.files && !hadFiles))
    host_.ResizeWindow();  // the list came into sight
  // The box above lists the folder's neighbours until its own sub-folders come.
  const FolderBox& end = chain_.box(chain_.LastBox());
  const std::size_t count =
      (end.tag == path ? end.entries.size() : 0) + chain_.files().entries.size();
  main_.SetCaption(opening_.caption + " (" + std::to_string(count) + " listed...)");
}

// A box or the file list drawn again keeps its scroll position.
void Browser::Draw(const ChainChange& change) {
  if (change.length) ShowChainEnd();
  for (int index : change.boxes) {
    const bool made = change.length && index == chain_.LastBox();
    if (index <= chain_.LastBox()) DrawBox(index, made ? -1 : Dir(index).TopIndex());
  }
  if (change.files) DrawFiles(files_->TopIndex());
}

}  // namespace vantiro
