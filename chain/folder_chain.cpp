#include "chain/folder_chain.h"

#include <algorithm>
#include <iterator>

#include "chain/file_filter.h"
#include "chain/names.h"

namespace vantiro {

std::optional<std::string> FolderChain::SelectedFilePath() const {
  const int focus = files_.selection.Focus();
  if (!files_.selection.Has(focus)) return std::nullopt;
  return currentFolder_ + files_.entries[static_cast<std::size_t>(focus)];
}

std::vector<std::string> FolderChain::SelectedFilePaths() const {
  std::vector<std::string> paths;
  for (const int row : files_.selection.Rows())
    paths.push_back(currentFolder_ + files_.entries[static_cast<std::size_t>(row)]);
  return paths;
}

void FolderChain::LoadDir0() {
  std::vector<std::string> favorites(Favorites().begin(), Favorites().end());
  std::vector<std::string> entries = fs_.Drives();
  driveCount_ = static_cast<int>(entries.size());
  entries.emplace_back();  // the separator
  boxes_ = {FolderBox{{}, std::move(entries), -1}};
  SetFavorites(std::move(favorites));
}

void FolderChain::FollowRename(const std::string& from, const std::string& to) {
  const std::string lowerFrom = LowerCase(from);
  const auto follow = [&](std::string& path) {
    if (LowerCase(path.substr(0, from.size())) == lowerFrom) path = to + path.substr(from.size());
  };
  const std::string parent = FolderOf(from.substr(0, from.size() - 1));
  for (FolderBox& box : boxes_) {
    if (box.tag == parent) {
      const auto old = std::ranges::find(box.entries, NameOf(from.substr(0, from.size() - 1)));
      if (old != box.entries.end()) *old = NameOf(to.substr(0, to.size() - 1));
    }
    follow(box.tag);
  }
  std::vector<std::string>& zero = boxes_.front().entries;
  for (std::size_t i = std::size_t(driveCount_) + 1; i < zero.size(); ++i) follow(zero[i]);
  follow(currentFolder_);
  follow(files_.tag);
}

std::span<const std::string> FolderChain::Favorites() const {
  const std::vector<std::string>& entries = boxes_.front().entries;
  return std::span(entries).subspan(std::min(entries.size(), std::size_t(driveCount_) + 1));
}

void FolderChain::SetFavorites(std::vector<std::string> favorites) {
  std::vector<std::string>& entries = boxes_.front().entries;
  entries.resize(std::min(entries.size(), std::size_t(driveCount_) + 1));
  entries.insert(entries.end(), std::make_move_iterator(favorites.begin()),
                 std::make_move_iterator(favorites.end()));
  if (boxes_.front().selected >= std::ssize(entries)) boxes_.front().selected = -1;
}

void FolderChain::AddFavorite(const std::string& folder) {
  boxes_.front().entries.push_back(folder);
}

bool FolderChain::RemoveFavorite(int entry) {
  FolderBox& box0 = boxes_.front();
  if (entry <= driveCount_ || entry >= std::ssize(box0.entries)) return false;
  box0.entries.erase(box0.entries.begin() + entry);
  box0.selected = box0.selected == entry ? -1 : box0.selected - (box0.selected > entry);
  return true;
}

void FolderChain::Select(int box, int entry) {
  FolderBox& selected = boxes_.at(static_cast<std::size_t>(box));
  selected.selected = entry >= 0 && entry < std::ssize(selected.entries) ? entry : -1;
}

std::string FolderChain::EntryOf(int box) const {
  const FolderBox& from = this->box(box);
  if (from.selected < 0) return {};
  std::string entry = from.entries[static_cast<std::size_t>(from.selected)];
  if (box == 0 && entry.size() > 2 && entry.compare(1, 2, ": ") == 0) entry.resize(2);
  return entry;
}

std::string FolderChain::PathOf(int box) const {
  std::string path = this->box(box).tag + EntryOf(box);
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

namespace {

// The widest row of some names, measured a few thousand rows at a time so
// that a big folder's rows are never all made at once.
Twips Widest(const MeasureTexts& measure, const std::vector<std::string>& names,
             std::string (*row)(std::string_view)) {
  constexpr std::size_t kStep = 4096;
  Twips widest = 0;
  if (!measure) return widest;
  std::vector<std::string> rows;
  for (std::size_t first = 0; first < names.size(); first += kStep) {
    rows.clear();
    for (std::size_t i = first; i < std::min(names.size(), first + kStep); ++i)
      rows.push_back(row(names[i]));
    widest = std::max(widest, std::ranges::max(measure->Widths(rows)));
  }
  return widest;
}

}  // namespace

void ReadNames::Add(FolderEntry&& entry) {
  if (entry.info.folder) {
    folders.push_back(std::move(entry.name));
  } else {
    files.push_back(std::move(entry.name));
  }
}

FolderListing Arrange(const std::string& path, ReadNames names, const std::string& filter,
                      const MeasureTexts& measure) {
  FolderListing listing{path, true, std::move(names.folders), {}, 0};
  SortByName(listing.folders);
  listing.files = ListFiles(path, std::move(names.files), filter);
  listing.foldersWidest = Widest(measure, listing.folders, FolderRow);
  listing.files.widest = Widest(measure, listing.files.entries, FileRow);
  return listing;
}

void FolderChain::BeginOpen(int index) {
  currentFolder_ = PathOf(index);
  boxes_.resize(static_cast<std::size_t>(index) + 1);
  ClearFiles();
}

ChainChange FolderChain::AddRead(const std::string& path, const ReadNames& read) {
  ChainChange change;
  if (path != currentFolder_) return change;
  const FileFilter filter(filter_);
  for (const std::string& name : read.files) {
    if (name.size() <= 4 || !filter.Matches(name)) continue;
    files_.entries.push_back(name);
    change.files = true;
  }
  files_.selection.Grow(static_cast<int>(files_.entries.size()));
  if (read.folders.empty()) return change;
  if (boxes_.back().tag != path) {
    boxes_.push_back({path, {}, -1, 0});
    change.length = true;
  }
  std::vector<std::string>& shown = boxes_.back().entries;
  shown.insert(shown.end(), read.folders.begin(), read.folders.end());
  change.boxes = {LastBox()};
  return change;
}

ChainChange FolderChain::Apply(FolderListing listing) {
  ChainChange change;
  for (int k = 1; k <= LastBox(); ++k) {
    if (box(k).tag != listing.path) continue;
    if (!listing.readable) return {{}, false, false, k - 1, listing.path};
    boxes_[static_cast<std::size_t>(k)].widest = listing.foldersWidest;
    change = Update_Dir(k, std::move(listing.folders));
    break;
  }
  if (listing.path != currentFolder_ || change.lost >= 0) return change;
  if (!listing.readable) return {{}, false, false, OpenerOfCurrent(), listing.path};
  change.files = true;
  Update_Files(std::move(listing.files));
  if (box(LastBox()).tag != currentFolder_ && !listing.folders.empty()) {
    boxes_.push_back({currentFolder_, std::move(listing.folders), -1, listing.foldersWidest});
    change.length = true;
    change.boxes.push_back(LastBox());
  }
  return change;
}

// A folder read again keeps its titles until its own are read, when its
// pages are the same.
void FolderChain::Update_Files(FileList files) {
  const std::size_t pages = PageCount(files.entries);
  const auto newPages = files.entries.begin() + std::ptrdiff_t(pages);
  const bool samePages = files_.titles.size() == pages &&
                         std::equal(files.entries.begin(), newPages, files_.entries.begin());
  if (!files.tag.empty()) files_.tag = std::move(files.tag);
  files_.selection.Follow(files_.entries, files.entries);
  files_.entries = std::move(files.entries);
  if (!samePages) files_.titles.clear();
  files_.widest = files.widest;
}

bool FolderChain::SetTitles(const std::string& path, std::vector<std::string> titles) {
  const std::size_t pages = PageCount(files_.entries);
  if (path != currentFolder_ || titles.size() > pages ||
      (titles.size() < pages && titles.size() <= files_.titles.size()))
    return false;
  files_.titles = std::move(titles);
  return true;
}

ChainChange FolderChain::Update_Dir(int index, std::vector<std::string> folders) {
  ChainChange change{{index}, false, false, -1, {}};
  FolderBox& updated = boxes_[static_cast<std::size_t>(index)];
  const std::string chosen = EntryOf(index);
  updated.entries = std::move(folders);
  updated.selected = IndexOf(updated.entries, chosen);
  if (!chosen.empty() && updated.selected < 0) {
    change.lost = index;
    change.lostPath = updated.tag + chosen + "\\";
  } else if (updated.entries.empty() && index == LastBox()) {
    boxes_.pop_back();
    change.length = true;
  }
  return change;
}

int FolderChain::OpenerOfCurrent() const {
  return box(LastBox()).tag == currentFolder_ ? LastBox() - 1 : LastBox();
}

void FolderChain::CloseTo(int index) {
  boxes_.resize(static_cast<std::size_t>(index) + 1);
  boxes_.back().selected = -1;
  currentFolder_ = boxes_.back().tag;
  ClearFiles();
}

std::vector<std::string> FolderChain::ShownFolders() const {
  std::vector<std::string> folders;
  for (const FolderBox& shown : boxes_) {
    if (!shown.tag.empty()) folders.push_back(shown.tag);
  }
  if (boxes_.back().selected >= 0) folders.push_back(PathOf(LastBox()));
  return folders;
}

}  // namespace vantiro
