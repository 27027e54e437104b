// A click or a press on an entry of a folder box opens it: its sub-folders
// in the next box, its files in the file list; a folder that cannot be read,
// or that went, is asked about.
#include <algorithm>
#include <utility>

#include "browser/browser.h"
#include "chain/names.h"
#include "commands/menu_names.h"

namespace vantiro {

// A click ends the restore of a saved chain.
void Browser::Dir_Click(int index) {
  EndRestore();
  Open(index);
}

// The chain ends at the box clicked while the folder is read.
void Browser::Open(int index) {
  retrying_.reset();
  if (main_.Left() + main_.Width() < 0) main_.SetLeft(0);
  const std::string entry = chain_.EntryOf(index);
  const int selected = chain_.box(index).selected;
  if (index == 0) main_.SetMenuEnabled(menu::mnuRemoveFavorites, selected > chain_.DriveCount());
  if (entry.empty()) {
    ResetCurrentDir();
    return;
  }
  layout_.SetTimer1Enabled(options_.animation);
  previews_.HidePictureViewer();
  previews_.HidePlayer(false);
  previews_.HideHtmlList();
  opening_ = {index, selected, chain_.PathOf(index), Caption(index)};
  // The boxes beyond stand empty until the folder is read: the window takes
  // its new width once.
  const int lastBefore = chain_.LastBox();
  chain_.BeginOpen(index);
  for (int i = index + 1; i <= lastBefore; ++i) lists_.Dir(i).SetItems({});
  lists_.DrawFiles();
  main_.SetCaption(opening_.caption + " (listing...)");
  loader_.Read(opening_.path);
  FollowShown();
}

void Browser::Opened(const ChainChange& change) {
  if (!change.length) lists_.ShowChainEnd();
  lists_.Draw(change);
  if (!change.length) lists_.SetHorizontalExtent(chain_.LastBox());
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
  layout_.ResizeWindow();
}

// A folder that cannot be read is asked about; on Cancel a favourite that
// failed leaves box 0 and the view starts again from box 0.
void Browser::Listed(FolderListing listing) {
  const bool opened = !opening_.path.empty() && listing.path == opening_.path;
  const std::string path = listing.path;
  const ChainChange change = chain_.Apply(std::move(listing));
  if (!opened) {
    lists_.Draw(change);
    ShowChainState();
    if (change.lost >= 0) {
      Lost(change);
    } else {
      loader_.WatchReplaced(path);
      Retried(path);
    }
    return;
  }
  if (change.lost < 0) {
    Opened(change);
    return;
  }
  const Opening failed = std::exchange(opening_, {});
  EndRestore();
  if (AskRetry(failed.path)) {
    Open(failed.box);
    return;
  }
  if (failed.box == 0 && chain_.RemoveFavorite(failed.entry)) lists_.DrawBox(0);
  ResetCurrentDir();
}

bool Browser::AskRetry(const std::string& path) {
  return ws_.MsgBox("Unable to open '" + path + "'\r" +
                        "The selected drive or folder is not ready. Do you want to retry ?",
                    msgbox::kRetryCancel | msgbox::kExclamation, kAppTitle) == msgbox::kRetry;
}

// An open folder that went away: the chain closes back to the folder that
// held it. After Retry that folder is read again, from then on: the one
// that went opens again if it came back meanwhile.
void Browser::Lost(const ChainChange& change) {
  const std::string name = change.lostPath.substr(chain_.box(change.lost).tag.size());
  CloseTo(change.lost);
  if (!AskRetry(change.lostPath) || change.lost == 0) return;
  retrying_ = Retry{change.lost, name.substr(0, name.size() - 1)};
  loader_.Read(chain_.CurrentFolder());
}

void Browser::Retried(const std::string& path) {
  if (!retrying_ || retrying_->box > chain_.LastBox() || chain_.box(retrying_->box).tag != path)
    return;
  const Retry retry = *std::exchange(retrying_, std::nullopt);
  const int entry = IndexOf(chain_.box(retry.box).entries, retry.name);
  if (entry >= 0) Reselect(retry.box, entry, retry.name);
}

void Browser::CloseTo(int index) {
  if (index == 0) {
    ResetCurrentDir();
    return;
  }
  chain_.CloseTo(index);
  lists_.ShowChainEnd();
  lists_.DrawFiles();
  ShowChainState();
  loader_.Read(chain_.CurrentFolder());
  FollowShown();
}

void Browser::CloseCurrentFolder() {
  if (!chain_.CurrentFolder().empty()) CloseTo(chain_.OpenerOfCurrent());
}

// A press selects the folder under the pointer for either button, a press
// below the last entry steps back one level, and a right press pops up
// FOLDER.
void Browser::Dir_MouseDown(int index, const MouseEvent& event) {
  pressOpened_ = -1;
  if (index > chain_.LastBox()) return;
  const int row = lists_.RowAt(lists_.Dir(index), event.y);
  if (row > std::ssize(chain_.box(index).entries) - 1) {
    if (index > 0) {
      Dir_Click(index - 1);  // the folder of the box to the left, opened again
    } else {
      ResetCurrentDir();
    }
  } else if (row != chain_.box(index).selected) {
    chain_.Select(index, row);
    lists_.Dir(index).Select(row);
    Dir_Click(index);
    pressOpened_ = index;
  }
  if (event.button == kRightButton && (index != 0 || chain_.box(0).selected >= 0))
    main_.PopupMenu(menu::mnuDirFunctions);
}

}  // namespace vantiro
