// What the loader finds of the folders the chain shows, drawn: the rows of a
// folder being opened as they are read, and the titles of its HTML files
// once they are read.
#include <utility>

#include "browser/browser.h"

namespace vantiro {

void Browser::Unwatched(const std::string& path) {
  if (std::exchange(unwatchedSaid_, true)) return;
  ws_.MsgBox("Changes that other programs make in '" + path +
                 "' will show only after a Refresh: Windows cannot watch it.",
             msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
}

void Browser::Removed(const std::string& path) {
  if (chain_.CurrentFolder() == path) CloseCurrentFolder();
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
    lists_.ShowChainEnd();
    lists_.DrawBox(chain_.LastBox());
  } else if (!change.boxes.empty()) {
    lists_.Dir(last).ShowMoreRows(chain_.box(last).entries.size());
  }
  if (change.files) lists_.Files().ShowMoreRows(chain_.files().entries.size());
  if (change.length || (change.files && !hadFiles))
    layout_.ResizeWindow();  // the list came into sight
  // The box above lists the folder's neighbours until its own sub-folders come.
  const FolderBox& end = chain_.box(chain_.LastBox());
  const std::size_t count =
      (end.tag == path ? end.entries.size() : 0) + chain_.files().entries.size();
  main_.SetCaption(opening_.caption + " (" + std::to_string(count) + " listed...)");
}

}  // namespace vantiro
