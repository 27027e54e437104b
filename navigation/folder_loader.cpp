#include "navigation/folder_loader.h"

#include <algorithm>
#include <utility>

namespace vantiro {

FolderLoader::FolderLoader(Executor& executor, const FileSystem& fs, const FolderChain& chain,
                           Listener& listener)
    : executor_(executor), fs_(fs), chain_(chain), listener_(listener) {}

void FolderLoader::Read(const std::string& path) {
  std::erase(readAgain_, path);
  std::erase_if(readings_, [&](const auto& reading) { return reading->path() == path; });
  FolderReading::Handlers handlers;
  handlers.batch = [this, path](const ReadNames& names) { listener_.Batch(path, names); };
  handlers.done = [this, path](FolderListing listing) { Done(path, std::move(listing)); };
  readings_.push_back(std::make_unique<FolderReading>(executor_, fs_, path, chain_.Filter(),
                                                      chain_.Measure(), std::move(handlers)));
}

// The reading goes once its handler, which calls this, has returned.
void FolderLoader::Done(const std::string& path, FolderListing listing) {
  std::unique_ptr<FolderReading> ended;
  const auto done = std::ranges::find(readings_, path, &FolderReading::path);
  if (done != readings_.end()) {
    ended = std::move(*done);
    readings_.erase(done);
  }
  listener_.Listed(std::move(listing));
  if (std::ranges::count(readAgain_, path) > 0) Read(path);
}

void FolderLoader::ReadAgain(const std::string& path) {
  if (std::ranges::count(chain_.ShownFolders(), path) == 0) return;
  if (std::ranges::count(readings_, path, &FolderReading::path) == 0) {
    Read(path);
  } else if (std::ranges::count(readAgain_, path) == 0) {
    readAgain_.push_back(path);
  }
}

void FolderLoader::FollowShown(const std::string& opening) {
  const std::vector<std::string> shown = chain_.ShownFolders();
  const auto hidden = [&](const std::string& path) { return std::ranges::count(shown, path) == 0; };
  std::erase_if(readings_, [&](const auto& reading) { return hidden(reading->path()); });
  std::erase_if(readAgain_, hidden);
  std::erase_if(watches_, [&](const auto& watch) { return hidden(watch.first); });
  for (const std::string& path : shown) {
    if (!watches_.contains(path) && path != opening) Watch(path);
  }
}

void FolderLoader::Watch(const std::string& path) {
  std::unique_ptr<FolderWatch> watch =
      fs_.Watch(path, [&executor = executor_, self = std::weak_ptr(self_), path] {
        executor.Post([self, path] {
          if (const auto loader = self.lock()) (*loader)->ReadAgain(path);
        });
      });
  if (watch) {
    watches_.emplace(path, std::move(watch));
  } else {
    listener_.Unwatched(path);
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

}  // namespace vantiro
