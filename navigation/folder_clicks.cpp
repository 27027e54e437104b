// A click on an entry of a folder box opens it: its sub-folders in the next
// box, its files in the file list, its HTML titles beside the window.
#include <algorithm>
#include <utility>

#include "navigation/browser.h"
#include "navigation/menu_names.h"
#include "navigation/names.h"

namespace vantiro {

// A click ends the restore of a saved chain.
void Browser::Dir_Click(int index) {
  restoring_.reset();
  Open(index);
}

// The chain ends at the box clicked while the folder is read.
void Browser::Open(int index) {
  if (main_.Left() + main_.Width() < 0) main_.SetLeft(0);
  const std::string entry = chain_.EntryOf(index);
  const int selected = chain_.box(index).selected;
  if (index == 0) main_.SetMenuEnabled(menu::mnuRemoveFavorites, selected > chain_.DriveCount());
  if (entry.empty()) {
    ResetCurrentDir();
    return;
  }
  host_.SetTimer1Enabled(options_.animation);
  previews_.HidePictureViewer();
  previews_.HidePlayer(false);
  previews_.HideHtmlList();
  opening_ = {index, selected, chain_.PathOf(index), Caption(index)};
  // The boxes beyond stand empty until the folder is read: the window takes
  // its new width once.
  const int lastBefore = chain_.LastBox();
  chain_.BeginOpen(index);
  for (int i = index + 1; i <= lastBefore; ++i) Dir(i).SetItems({});
  DrawFiles();
  main_.SetCaption(opening_.caption + " (listing...)");
  loader_.Read(opening_.path);
  FollowShown();
}

void Browser::Opened(const ChainChange& change) {
  if (!change.length) ShowChainEnd();
  Draw(change);
  if (!change.length) SetHorizontalExtent(chain_.LastBox());
  opening_ = {};
  ShowChainState();
  ShowHtmlList();
  FollowShown();
  RestoreNext();
}

std::string Browser::Caption(int index) const {
  const std::string entry = chain_.EntryOf(index);
  return std::string(kCaption) + " - " + (index == 0 ? entry : FolderRow(entry));
}

// While a click's folder is read, the caption says so. After a return to
// box 0 the current folder is kept, but no box shows it opened.
void Browser::ShowChainState() {
  const bool open =
      !chain_.CurrentFolder().empty() && chain_.box(chain_.OpenerOfCurrent()).selected >= 0;
  main_.SetMenuVisible(menu::mnuDirFunctions, open);
  main_.SetMenuVisible(menu::mnuFileFunctions, chain_.SelectedFilePath().has_value());
  if (opening_.path.empty()) main_.SetCaption(open ? Caption(chain_.OpenerOfCurrent()) : kCaption);
  host_.ResizeWindow();
}

// A folder that cannot be read is asked about; on Cancel a favourite that
// failed leaves box 0 and the view starts again from box 0.
void Browser::Listed(FolderListing listing) {
  const bool opened = !opening_.path.empty() && listing.path == opening_.path;
  const std::string path = listing.path;
  const ChainChange change = chain_.Apply(std::move(listing));
  if (!opened) {
    Draw(change);
    ShowChainState();
    if (change.lost >= 0) {
      Lost(change);
    } else {
      loader_.WatchReplaced(path);
    }
    return;
  }
  if (change.lost < 0) {
    Opened(change);
    return;
  }
  const Opening failed = std::exchange(opening_, {});
  restoring_.reset();
  if (AskRetry(failed.path)) {
    Open(failed.box);
    return;
  }
  if (failed.box == 0 && chain_.RemoveFavorite(failed.entry)) DrawBox(0);
  ResetCurrentDir();
}

bool Browser::AskRetry(const std::string& path) {
  return ws_.MsgBox("Unable to open '" + path + "'\r" +
                        "The selected drive or folder is not ready. Do you want to retry ?",
                    msgbox::kRetryCancel | msgbox::kExclamation, kAppTitle) == msgbox::kRetry;
}

// An open folder that went away: the chain closes back to the folder that
// held it, which is read again; Retry opens it again if it came back.
void Browser::Lost(const ChainChange& change) {
  const std::string name = change.lostPath.substr(chain_.box(change.lost).tag.size());
  CloseTo(change.lost);
  if (!AskRetry(change.lostPath) || change.lost == 0) return;
  const int entry = IndexOf(chain_.box(change.lost).entries, name.substr(0, name.size() - 1));
  Reselect(change.lost, entry, entry < 0 ? "" : name.substr(0, name.size() - 1));
}

void Browser::CloseTo(int index) {
  if (index == 0) {
    ResetCurrentDir();
    return;
  }
  chain_.CloseTo(index);
  ShowChainEnd();
  DrawFiles();
  ShowChainState();
  loader_.Read(chain_.CurrentFolder());
  FollowShown();
}

void Browser::CloseCurrentFolder() {
  if (!chain_.CurrentFolder().empty()) CloseTo(chain_.OpenerOfCurrent());
}

// A configuration written before the chain kept names holds the rows' text.
bool Browser::Reselect(int index, int entry, const std::string& text) {
  if (index > chain_.LastBox()) return false;
  const std::vector<std::string>& entries = chain_.box(index).entries;
  if (entry < -1 || entry >= std::ssize(entries)) return false;
  const std::string name = entry < 0 ? "" : entries[static_cast<std::size_t>(entry)];
  if (name != text && (index == 0 || FolderRow(name) != text)) return false;
  if (entry == chain_.box(index).selected) return true;
  chain_.Select(index, entry);
  Dir(index).Select(entry);
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
      restoring_.reset();
      if (file) ReselectFile(file->index, file->text);
      return;
    }
    const SavedSelection box = restoring_->chain.boxes[index];
    if (!Reselect(static_cast<int>(index), box.index, box.text) || !box.tag) {
      restoring_.reset();
      return;
    }
    if (!opening_.path.empty()) return;
  }
}

// The HTML window stands flush right of the main window, top-aligned, no
// higher than the main window's lists.
void Browser::ShowHtmlList() {
  if (chain_.files().titles.empty()) {
    previews_.HideHtmlList();
    return;
  }
  FrmHtml& html = previews_.frmHTML();
  const std::vector<std::string>& rows = html.Rows();
  Window& htmlWindow = html.window();
  if (rows.empty()) {
    htmlWindow.Hide();
    return;
  }
  ListBox& list = html.List1();
  const std::int64_t wanted = std::int64_t{std::ssize(rows) + 1} * htmlWindow.TextHeight(rows[0]);
  list.SetHeight(ClampTwips(std::min<std::int64_t>(wanted, main_.ClientHeight())));
  const Twips frameWidth = htmlWindow.Width() - htmlWindow.ClientWidth();
  htmlWindow.SetWidth(ClampTwips(frameWidth + 2 * std::int64_t{look_.activeBoxWidth}));
  list.SetBackColor(look_.filesBackColor);
  htmlWindow.SetHeight(htmlWindow.Height() - htmlWindow.ClientHeight() + list.Height());
  htmlWindow.SetWidth(htmlWindow.Width() - htmlWindow.ClientWidth() + list.Width());
  htmlWindow.SetLeft(ClampTwips(std::int64_t{main_.Left()} + main_.Width()));
  htmlWindow.SetTop(main_.Top());
  htmlWindow.Show();
  main_.Show();
  main_.SetFocus();
}

}  // namespace vantiro
