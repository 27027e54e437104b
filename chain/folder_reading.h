// A folder read away from the window's thread, so that the window never
// waits for a big folder or a drive that does not answer. What the reading
// finds comes back on the window's thread: the names in batches as they are
// read, then the whole listing, arranged, then the titles of its HTML files.
// Once the reading is destroyed nothing more arrives, and nothing waits for
// it to end.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chain/folder_chain.h"
#include "platform/executor.h"

namespace vantiro {

class FolderReading {
 public:
  struct Handlers {
    std::function<void(const ReadNames&)> batch;
    std::function<void(FolderListing)> done;
    // Only for a listing with HTML files: the titles read so far, in
    // batches, then all of them.
    std::function<void(std::vector<std::string>, bool all)> titles;
  };
  // The first batch of names waits at most this long after the reading
  // starts, the next ones, and the titles', kBatchMs after the last one. A
  // folder read within the first wait is shown once, whole: its rows are
  // neither drawn twice nor sorted under the user's eyes.
  static constexpr int kFirstBatchMs = 100;
  static constexpr int kBatchMs = 50;

  // The executor and the file system outlive every job they are given.
  FolderReading(Executor& executor, const FileSystem& fs, const std::string& path,
                const std::string& filter, MeasureTexts measure, Handlers handlers);
  FolderReading(const FolderReading&) = delete;
  FolderReading& operator=(const FolderReading&) = delete;

  const std::string& path() const { return path_; }
  // When the reading began.
  std::chrono::steady_clock::time_point started() const { return started_; }

 private:
  std::string path_;
  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  Lifetime lifetime_;
};

}  // namespace vantiro
