#include "navigation/folder_reading.h"

#include <chrono>

namespace vantiro {

FolderReading::FolderReading(Executor& executor, const FileSystem& fs, const std::string& path,
                             const std::string& filter, MeasureTexts measure, Handlers handlers)
    : path_(path), shared_(std::make_shared<Shared>()) {
  shared_->handlers = std::move(handlers);
  executor.Run([&executor, &fs, path, filter, measure = std::move(measure), shared = shared_] {
    Read(executor, fs, path, filter, measure, shared);
  });
}

// Each batch is handed over whole: the window's thread takes it as it
// comes, and a cancelled reading's batches are dropped there.
void FolderReading::Read(Executor& executor, const FileSystem& fs, const std::string& path,
                         const std::string& filter, const MeasureTexts& measure,
                         const std::shared_ptr<Shared>& shared) {
  using Clock = std::chrono::steady_clock;
  const auto deliver = [&](auto step) {
    executor.Post([shared, step = std::move(step)]() mutable {
      if (!shared->cancelled) step(shared->handlers);
    });
  };
  ReadNames read;
  std::size_t count = 0, foldersSent = 0, filesSent = 0;
  const auto since = [](const std::vector<std::string>& names, std::size_t& sent) {
    std::vector<std::string> batch(names.begin() + std::ptrdiff_t(sent), names.end());
    sent = names.size();
    return batch;
  };
  auto due = Clock::now() + std::chrono::milliseconds(kBatchMs);
  const bool readable = fs.ReadEntries(path, [&](FolderEntry&& entry) {
    read.Add(std::move(entry));
    if (++count % 64 == 0 && Clock::now() >= due) {
      ReadNames batch{since(read.folders, foldersSent), since(read.files, filesSent)};
      deliver([batch = std::move(batch)](Handlers& to) { to.batch(batch); });
      due = Clock::now() + std::chrono::milliseconds(kBatchMs);
    }
    return !shared->cancelled;
  });
  if (!shared->cancelled) {
    FolderListing listing = readable ? Arrange(fs, path, std::move(read), filter, measure)
                                     : FolderListing{path, false, {}, {}, 0};
    deliver([listing = std::move(listing)](Handlers& to) mutable { to.done(std::move(listing)); });
  }
}

}  // namespace vantiro
