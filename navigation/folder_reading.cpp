#include "navigation/folder_reading.h"

#include <chrono>

namespace vantiro {

FolderReading::FolderReading(WindowSystem& ws, const FileSystem& fs, const std::string& path,
                             const std::string& filter, MeasureTexts measure, Handlers handlers)
    : path_(path), shared_(std::make_shared<Shared>()) {
  shared_->handlers = std::move(handlers);
  thread_ = std::thread(&FolderReading::Read, std::ref(ws), std::cref(fs), path, filter,
                        std::move(measure), shared_);
}

FolderReading::~FolderReading() {
  Cancel();
  thread_.join();
}

// Each batch is handed over whole: the window's thread takes it as it
// comes, and a cancelled reading's batches are dropped there.
void FolderReading::Read(WindowSystem& ws, const FileSystem& fs, const std::string& path,
                         const std::string& filter, const MeasureTexts& measure,
                         const std::shared_ptr<Shared>& shared) {
  using Clock = std::chrono::steady_clock;
  const auto deliver = [&](auto step) {
    ws.Post([shared, step = std::move(step)]() mutable {
      if (!shared->cancelled) step(shared->handlers);
    });
  };
  std::vector<FolderEntry> entries;
  std::size_t delivered = 0;
  auto due = Clock::now() + std::chrono::milliseconds(kBatchMs);
  const bool readable = fs.ReadEntries(path, [&](FolderEntry&& entry) {
    entries.push_back(std::move(entry));
    if (entries.size() % 64 == 0 && Clock::now() >= due) {
      std::vector<FolderEntry> batch(entries.begin() + std::ptrdiff_t(delivered), entries.end());
      deliver([batch = std::move(batch)](Handlers& to) { to.batch(batch); });
      delivered = entries.size();
      due = Clock::now() + std::chrono::milliseconds(kBatchMs);
    }
    return !shared->cancelled;
  });
  if (!shared->cancelled) {
    FolderListing listing = readable ? Arrange(fs, path, std::move(entries), filter, measure)
                                     : FolderListing{path, false, {}, {}, 0};
    deliver([listing = std::move(listing)](Handlers& to) mutable { to.done(std::move(listing)); });
  }
  shared->ended = true;
}

}  // namespace vantiro
