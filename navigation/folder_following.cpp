// The folders the chain shows are read in the background and watched. A
// reading's thread and a watch's thread only post: every change to the
// chain and to the window happens on the window's thread, between events.
#include <algorithm>
#include <functional>
#include <utility>

#include "navigation/browser.h"

namespace vantiro {

bool Browser::Listing() const { return !readings_.empty(); }

// A cancelled reading is kept until its thread has ended.
void Browser::CancelReadings(const std::function<bool(const std::string&)>& which) {
  for (auto& reading : readings_) {
    if (!which(reading->path())) continue;
    reading->Cancel();
    retired_.push_back(std::move(reading));
  }
  std::erase(readings_, nullptr);
  std::erase_if(retired_, [](const auto& reading) { return reading->Ended(); });
}

// A folder is read once at a time: a new reading replaces the one going on.
void Browser::StartReading(const std::string& path) {
  std::erase(readAgain_, path);
  CancelReadings([&](const std::string& read) { return read == path; });
  FolderReading::Handlers handlers;
  handlers.batch = [this, path](const ReadNames& read) { ShowRead(path, read); };
  handlers.done = [this, path](FolderListing listing) {
    const auto done = std::ranges::find(readings_, path, &FolderReading::path);
    if (done != readings_.end()) {
      retired_.push_back(std::move(*done));
      readings_.erase(done);
    }
    Listed(std::move(listing));
    if (std::ranges::count(readAgain_, path) > 0) StartReading(path);
  };
  readings_.push_back(std::make_unique<FolderReading>(ws_, fs_, path, chain_.Filter(),
                                                      chain_.Measure(), std::move(handlers)));
}

// Rows read so far are added to what the boxes show, and the caption
// counts them.
void Browser::ShowRead(const std::string& path, const ReadNames& read) {
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

void Browser::FollowShown() {
  const std::vector<std::string> shown = chain_.ShownFolders();
  const auto isShown = [&](const std::string& path) { return std::ranges::count(shown, path) > 0; };
  CancelReadings([&](const std::string& path) { return !isShown(path); });
  std::erase_if(readAgain_, [&](const std::string& path) { return !isShown(path); });
  std::erase_if(watches_, [&](const auto& watch) { return !isShown(watch.first); });
  // A folder being opened is watched once it could be read.
  for (const std::string& path : shown) {
    if (watches_.contains(path) || path == opening_.path) continue;
    std::unique_ptr<FolderWatch> watch =
        fs_.Watch(path, [&ws = ws_, self = std::weak_ptr(self_), path] {
          ws.Post([self, path] {
            if (const auto browser = self.lock()) (*browser)->ReadAgain(path);
          });
        });
    if (watch) {
      watches_.emplace(path, std::move(watch));
    } else if (!std::exchange(unwatchedSaid_, true)) {
      ws_.MsgBox("Changes that other programs make in '" + path +
                     "' will show only after a Refresh: Windows cannot watch it.",
                 msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
    }
  }
}

// A folder renamed away or removed, and another made under its name, keeps
// its place in the chain; its watch followed the old one. A folder read
// again, and the folders in it, are watched anew where that happened, and
// read again.
void Browser::WatchReplaced(const std::string& folder) {
  std::vector<std::string> replaced;
  for (const auto& [path, watch] : watches_) {
    const bool within =
        path.starts_with(folder) && path.find('\\', folder.size()) >= path.size() - 1;
    if (within && watch->Replaced()) replaced.push_back(path);
  }
  if (replaced.empty()) return;
  for (const std::string& path : replaced) watches_.erase(path);
  FollowShown();
  for (const std::string& path : replaced) ReadAgain(path);
}

// A change while the folder is being read is read after that reading.
void Browser::ReadAgain(const std::string& path) {
  if (std::ranges::count(chain_.ShownFolders(), path) == 0) return;
  if (std::ranges::count(readings_, path, &FolderReading::path) > 0) {
    if (std::ranges::count(readAgain_, path) == 0) readAgain_.push_back(path);
    return;
  }
  StartReading(path);
}

}  // namespace vantiro
