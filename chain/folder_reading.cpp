#include "chain/folder_reading.h"

#include <chrono>

namespace vantiro {

FolderReading::FolderReading(Executor& executor, const FileSystem& fs, const std::string& path,
                             const std::string& filter, MeasureTexts measure, Handlers handlers)
    : path_(path) {
  executor.Run([&executor, &fs,
                job = Job{path, filter, std::move(measure),
                          std::make_shared<const Handlers>(std::move(handlers)),
                          lifetime_.ended()}] { Read(executor, fs, job); });
}

// Each batch is handed over whole: the window's thread takes it as it
// comes, and a cancelled reading's batches are dropped there.
void FolderReading::Read(Executor& executor, const FileSystem& fs, const Job& job) {
  using Clock = std::chrono::steady_clock;
  const auto deliver = [&](auto step) {
    executor.Post(Lifetime::Guard(
        job.cancelled, [to = job.handlers, step = std::move(step)]() mutable { step(*to); }));
  };
  ReadNames read;
  std::size_t count = 0, foldersSent = 0, filesSent = 0;
  const auto since = [](const std::vector<std::string>& names, std::size_t& sent) {
    std::vector<std::string> batch(names.begin() + std::ptrdiff_t(sent), names.end());
    sent = names.size();
    return batch;
  };
  auto due = Clock::now() + std::chrono::milliseconds(kBatchMs);
  const bool readable = fs.ReadEntries(job.path, [&](FolderEntry&& entry) {
    read.Add(std::move(entry));
    if (++count % 64 == 0 && Clock::now() >= due) {
      ReadNames batch{since(read.folders, foldersSent), since(read.files, filesSent)};
      deliver([batch = std::move(batch)](const Handlers& to) { to.batch(batch); });
      due = Clock::now() + std::chrono::milliseconds(kBatchMs);
    }
    return !*job.cancelled;
  });
  if (*job.cancelled) return;
  FolderListing listing = readable ? Arrange(job.path, std::move(read), job.filter, job.measure)
                                   : FolderListing{job.path, false, {}, {}, 0};
  std::vector<std::string> pages(
      listing.files.entries.begin(),
      listing.files.entries.begin() + std::ptrdiff_t(PageCount(listing.files.entries)));
  deliver([&executor, &fs, job, listing = std::move(listing),
           pages = std::move(pages)](const Handlers& to) mutable {
    to.done(std::move(listing));
    if (pages.empty() || *job.cancelled) return;
    executor.Run([&executor, &fs, job, pages = std::move(pages)] {
      ReadPageTitles(executor, fs, job, pages);
    });
  });
}

// The titles are read once the window has shown the names: a reading of
// many pages would otherwise slow the window's own work on them.
void FolderReading::ReadPageTitles(Executor& executor, const FileSystem& fs, const Job& job,
                                   const std::vector<std::string>& pages) {
  std::optional<std::vector<std::string>> titles =
      ReadTitles(fs, job.path, pages, [&] { return bool(*job.cancelled); });
  if (!titles) return;
  executor.Post(
      Lifetime::Guard(job.cancelled, [to = job.handlers, titles = std::move(*titles)]() mutable {
        to->titles(std::move(titles));
      }));
}

}  // namespace vantiro
