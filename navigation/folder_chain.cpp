#include "navigation/folder_chain.h"

#include <iterator>

#include "navigation/names.h"

namespace vantiro {

std::optional<std::string> FolderChain::SelectedFilePath() const {
  if (files_.selected < 0 || files_.selected >= std::ssize(files_.entries)) return std::nullopt;
  return currentFolder_ + files_.entries[static_cast<std::size_t>(files_.selected)];
}

void FolderChain::LoadDir0() {
  std::vector<std::string> favorites(Favorites().begin(), Favorites().end());
  std::vector<std::string> entries = fs_.Drives();
  driveCount_ = static_cast<int>(entries.size());
  entries.emplace_back();  // the separator
  boxes_ = {FolderBox{{}, std::move(entries), -1}};
  SetFavorites(std::move(favorites));
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

// One pass over the folder gives both its sub-folders and its files: the
// files wait for Update_Files.
DirStatus FolderChain::Update_Dir(int index, const std::string& path) {
  if (index < 1 || index > LastBox() + 1) return DirStatus::Failed;
  currentFolder_ = path;
  if (!Read(path)) return DirStatus::Failed;  // the chain has not been touched yet
  boxes_.resize(static_cast<std::size_t>(index));
  if (read_.folders.empty()) return DirStatus::NoSubFolders;
  for (std::string& folder : read_.folders) folder = LowerCase(std::move(folder));
  SortByName(read_.folders);
  boxes_.push_back({path, std::move(read_.folders), -1});
  return DirStatus::Opened;
}

bool FolderChain::Read(const std::string& path) {
  std::optional<std::vector<FolderEntry>> entries = fs_.Entries(path);
  read_ = {};
  if (!entries) return false;
  read_.path = path;
  for (FolderEntry& entry : *entries)
    (entry.info.folder ? read_.folders : read_.files).push_back(std::move(entry.name));
  return true;
}

}  // namespace vantiro
