// A folder read as the program reads it: through a FolderReading on the
// queued executor, its jobs run here in turn.
#pragma once

#include <optional>
#include <string>

#include "chain/folder_reading.h"
#include "tests/doubles/fake_window_system.h"

namespace vantiro::fake {

inline FolderListing ReadFolder(const FileSystem& fs, const std::string& path,
                                const std::string& filter) {
  FakeWindowSystem executor;
  std::optional<FolderListing> listing;
  const FolderReading reading(
      executor, fs, path, filter, {},
      {[](const ReadNames&) {}, [&](FolderListing read) { listing = std::move(read); },
       [](std::vector<std::string>, bool) {}});
  while (!listing && executor.RunPosted(std::chrono::milliseconds(0))) {
  }
  return std::move(listing).value();
}

}  // namespace vantiro::fake
