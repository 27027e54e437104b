// A folder read on a thread of its own, so that the window never waits for
// a big folder or a drive that does not answer. What the thread finds comes
// back on the window's thread (WindowSystem::Post): the names in batches
// as they are read, then the whole listing, arranged. After Cancel nothing
// more arrives.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "navigation/folder_chain.h"
#include "platform/window_system.h"

namespace vantiro {

class FolderReading {
 public:
  struct Handlers {
    std::function<void(const ReadNames&)> batch;
    std::function<void(FolderListing)> done;
  };
  // A batch waits at most this long after the reading starts or the last one.
  static constexpr int kBatchMs = 50;

  FolderReading(WindowSystem& ws, const FileSystem& fs, const std::string& path,
                const std::string& filter, MeasureTexts measure, Handlers handlers);
  // Cancels, then waits for the thread: a reading stuck on a drive that does
  // not answer is best cancelled and kept until it has ended.
  ~FolderReading();
  FolderReading(const FolderReading&) = delete;
  FolderReading& operator=(const FolderReading&) = delete;

  const std::string& path() const { return path_; }
  void Cancel() { shared_->cancelled = true; }
  bool Cancelled() const { return shared_->cancelled; }
  bool Ended() const { return shared_->ended; }

 private:
  struct Shared {
    Handlers handlers;
    std::atomic<bool> cancelled = false;
    std::atomic<bool> ended = false;
  };
  static void Read(WindowSystem& ws, const FileSystem& fs, const std::string& path,
                   const std::string& filter, const MeasureTexts& measure,
                   const std::shared_ptr<Shared>& shared);

  std::string path_;
  std::shared_ptr<Shared> shared_;
  std::thread thread_;
};

}  // namespace vantiro
