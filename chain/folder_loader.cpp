#include "chain/folder_loader.h"

#include <algorithm>
#include <utility>

namespace vantiro {

FolderLoader::FolderLoader(Executor& executor, const FileSystem& fs, const FolderChain& chain)
    : executor_(executor), fs_(fs), chain_(chain) {}

void FolderLoader::Read(const std::string& path) {
  LetGo([&](const std::string& other) { return other == path; });
  FolderReading::Handlers handlers;
  handlers.batch = [this, path](const ReadNames& names) {
    if (listener_) listener_->Batch(path, names);
  };
  handlers.done = [this, path](FolderListing listing) { Done(path, std::move(listing)); };
  handlers.titles = [this, path](std::vector<std::string> titles, bool all) {
    Titled(path, std::move(titles), all);
  };
  readings_.push_back(std::make_unique<FolderReading>(executor_, fs_, path, chain_.Filter(),
                                                      chain_.Measure(), std::move(handlers)));
}

namespace {

// Takes a folder's reading out of a list; it goes once the handler that
// called for it has returned.
std::unique_ptr<FolderReading> TakeOut(std::vector<std::unique_ptr<FolderReading>>& readings,
                                       const std::string& path) {
  std::unique_ptr<FolderReading> taken;
  const auto found = std::ranges::find(readings, path, &FolderReading::path);
  if (found != readings.end()) {
    taken = std::move(*found);
    readings.erase(found);
  }
  return taken;
}

}  // namespace

// A listing with HTML files keeps its reading for the titles to come.
void FolderLoader::Done(const std::string& path, FolderListing listing) {
  std::unique_ptr<FolderReading> ended = TakeOut(readings_, path);
  if (ended && PageCount(listing.files.entries) > 0) titling_.push_back(std::move(ended));
  if (ended) {
    const auto now = std::chrono::steady_clock::now();
    readAgainFrom_[path] = now + std::max<std::chrono::steady_clock::duration>(
                                     kReadAgainPause, 10 * (now - ended->started()));
  }
  if (listener_) listener_->Listed(std::move(listing));
  if (std::erase(readAgain_, path) > 0) ReadAgain(path);
}

// The reading goes with the last of its titles.
void FolderLoader::Titled(const std::string& path, std::vector<std::string> titles, bool all) {
  const std::unique_ptr<FolderReading> ended = all ? TakeOut(titling_, path) : nullptr;
  if (listener_) listener_->Titled(path, std::move(titles));
}

void FolderLoader::LetGo(const std::function<bool(const std::string&)>& which) {
  const auto reads = [&](const auto& reading) { return which(reading->path()); };
  std::erase_if(readings_, reads);
  std::erase_if(titling_, reads);
  std::erase_if(readAgain_, which);
  std::erase_if(pausing_, which);
  std::erase_if(readAgainFrom_, [&](const auto& read) { return which(read.first); });
}

void FolderLoader::ReadAgain(const std::string& path) {
  if (std::ranges::count(chain_.ShownFolders(), path) == 0 || pausing_.contains(path)) return;
  if (std::ranges::count(readings_, path, &FolderReading::path) > 0) {
    if (std::ranges::count(readAgain_, path) == 0) readAgain_.push_back(path);
    return;
  }
  const auto from = readAgainFrom_.find(path);
  const auto wait = from == readAgainFrom_.end()
                        ? std::chrono::milliseconds(0)
                        : std::chrono::ceil<std::chrono::milliseconds>(
                              from->second - std::chrono::steady_clock::now());
  if (wait.count() <= 0) {
    Read(path);
    return;
  }
  pausing_.insert(path);
  executor_.PostAfter(static_cast<int>(wait.count()), lifetime_.Guard([this, path] {
    if (pausing_.erase(path) > 0) Read(path);
  }));
}

void FolderLoader::FollowShown(const std::string& opening) {
  const std::vector<std::string> shown = chain_.ShownFolders();
  const auto hidden = [&](const std::string& path) { return std::ranges::count(shown, path) == 0; };
  LetGo(hidden);
  std::erase_if(watches_, [&](const auto& watch) { return hidden(watch.first); });
  for (const std::string& path : shown) {
    if (!watches_.contains(path) && path != opening) Watch(path);
  }
}

void FolderLoader::Watch(const std::string& path) {
  // The watch goes with the loader: its news never outlives it.
  std::unique_ptr<FolderWatch> watch = fs_.Watch(path, [this, path] { ReadAgain(path); });
  if (watch) {
    watches_.emplace(path, std::move(watch));
  } else {
    if (listener_) listener_->Unwatched(path);
  }
}

// The folder itself, or one directly in it.
void FolderLoader::WatchReplaced(const std::string& folder) {
  std::vector<std::string> replaced;
  for (const auto& [path, watch] : watches_) {
    const bool within =
        path.starts_with(folder) && path.find('\\', folder.size()) >= path.size() - 1;
    if (within && watch->Replaced()) replaced.push_back(path);
  }
  for (const std::string& path : replaced) {
    watches_.erase(path);
    Watch(path);
    ReadAgain(path);
  }
}

void FolderLoader::Removed(const std::string& path) {
  if (listener_) listener_->Removed(path);
}

}  // namespace vantiro
