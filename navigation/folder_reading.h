// A folder read away from the window's thread, so that the window never
// waits for a big folder or a drive that does not answer. What the reading
// finds comes back on the window's thread: the names in batches as they are
// read, then the whole listing, arranged. After Cancel, or once the reading
// is destroyed, nothing more arrives, and nothing waits for it to end.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "navigation/folder_chain.h"
#include "platform/executor.h"

namespace vantiro {

class FolderReading {
 public:
  struct Handlers {
    std::function<void(const ReadNames&)> batch;
    std::function<void(FolderListing)> done;
  };
  // A batch waits at most this long after the reading starts or the last one.
  static constexpr int kBatchMs = 50;

  // The executor and the file system outlive every job they are given.
  FolderReading(Executor& executor, const FileSystem& fs, const std::string& path,
                const std::string& filter, MeasureTexts measure, Handlers handlers);
  ~FolderReading() { Cancel(); }
  FolderReading(const FolderReading&) = delete;
  FolderReading& operator=(const FolderReading&) = delete;

  const std::string& path() const { return path_; }
  void Cancel() { shared_->cancelled = true; }

 private:
  struct Shared {
    Handlers handlers;
    std::atomic<bool> cancelled = false;
  };
  static void Read(Executor& executor, const FileSystem& fs, const std::string& path,
                   const std::string& filter, const MeasureTexts& measure,
                   const std::shared_ptr<Shared>& shared);

  std::string path_;
  std::shared_ptr<Shared> shared_;
};

}  // namespace vantiro
