#include "chain/folder_reading.h"

namespace vantiro {
namespace {

using Clock = std::chrono::steady_clock;
using Handlers = FolderReading::Handlers;

// Reads the folder's names, handing them over in batches as they come, then
// arranges them whole. Each batch is handed over whole: the window's thread
// takes it as it comes, and a cancelled reading's batches are dropped there.
FolderListing List(Executor& executor, const FileSystem& fs, const std::string& path,
                   const std::string& filter, const MeasureTexts& measure,
                   const Lifetime::Flag& cancelled, const std::shared_ptr<const Handlers>& to) {
  ReadNames read;
  std::size_t count = 0, foldersSent = 0, filesSent = 0;
  const auto since = [](const std::vector<std::string>& names, std::size_t& sent) {
    std::vector<std::string> batch(names.begin() + std::ptrdiff_t(sent), names.end());
    sent = names.size();
    return batch;
  };
  auto due = Clock::now() + std::chrono::milliseconds(FolderReading::kFirstBatchMs);
  const bool readable = fs.ReadEntries(path, [&](FolderEntry&& entry) {
    read.Add(std::move(entry));
    if (++count % 64 == 0 && Clock::now() >= due) {
      ReadNames batch{since(read.folders, foldersSent), since(read.files, filesSent)};
      executor.Post(
          Lifetime::Guard(cancelled, [to, batch = std::move(batch)] { to->batch(batch); }));
      due = Clock::now() + std::chrono::milliseconds(FolderReading::kBatchMs);
    }
    return !*cancelled;
  });
  if (*cancelled) return {};
  return readable ? Arrange(path, std::move(read), filter, measure)
                  : FolderListing{path, false, {}, {}, 0};
}

}  // namespace

// The titles are read once the window has shown the names: a reading of
// many pages would otherwise slow the window's own work on them. They are
// handed over as they come, in batches. Once the listing is handed over,
// the reading may be gone: what comes after holds copies.
FolderReading::FolderReading(Executor& executor, const FileSystem& fs, const std::string& path,
                             const std::string& filter, MeasureTexts measure, Handlers handlers)
    : path_(path) {
  const Lifetime::Flag cancelled = lifetime_.ended();
  const auto to = std::make_shared<const Handlers>(std::move(handlers));
  executor.RunThenPost(
      cancelled,
      [&executor, &fs, path, filter, measure = std::move(measure), cancelled, to] {
        return List(executor, fs, path, filter, measure, cancelled, to);
      },
      [&executor, &fs, path, cancelled, to](FolderListing listing) {
        std::vector<std::string> pages(
            listing.files.entries.begin(),
            listing.files.entries.begin() + std::ptrdiff_t(PageCount(listing.files.entries)));
        to->done(std::move(listing));
        if (pages.empty() || *cancelled) return;
        executor.RunThenPost(
            cancelled,
            [&executor, &fs, path, pages = std::move(pages), cancelled, to] {
              auto due = Clock::now() + std::chrono::milliseconds(FolderReading::kBatchMs);
              const auto batch = [&](const std::vector<std::string>& titles) {
                if (Clock::now() < due) return;
                executor.Post(
                    Lifetime::Guard(cancelled, [to, titles] { to->titles(titles, false); }));
                due = Clock::now() + std::chrono::milliseconds(FolderReading::kBatchMs);
              };
              return ReadTitles(
                  fs, path, pages, [&] { return bool(*cancelled); }, batch);
            },
            [to](std::optional<std::vector<std::string>> titles) {
              if (titles) to->titles(std::move(*titles), true);
            });
      });
}

}  // namespace vantiro
