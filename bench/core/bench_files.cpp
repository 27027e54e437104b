// Listing a folder's files, against the raw enumeration (and, for HTML
// files, the raw reading) of the same folder in the same run.
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/core/measure.h"
#include "chain/folder_chain.h"
#include "tests/doubles/folder_read.h"
#include "tests/doubles/temp_drives.h"

namespace vantiro::bench {
namespace {

// A folder c:\<name>\ of count files, each the same contents.
void MakeFiles(fake::TempDrives& drives, const std::string& name, int count,
               const std::string& extension, const std::string& contents) {
  drives.MakeFolders("c:\\" + name);
  const std::filesystem::path host = drives.HostPath("c:\\" + name);
  for (int i = 0; i < count; ++i)
    std::ofstream(host / ("File " + std::to_string(i) + extension)) << contents;
}

}  // namespace

void ListFiles(int count) {
  fake::TempDrives drives;
  drives.AddDrive('c');
  MakeFiles(drives, "files", count, ".txt", "");
  const double raw = BestSeconds([&] { (void)drives.Entries("c:\\files\\"); });
  const double list = BestSeconds([&] { (void)fake::ReadFolder(drives, "c:\\files\\", "*.*"); });
  Report("a folder read", count, "files", list, "enumeration", raw);
}

// The names of HTML pages list as fast as any; their titles come after.
void ListHtmlFiles(int count, std::size_t size) {
  fake::TempDrives drives;
  drives.AddDrive('c');
  const std::string page =
      "<html><head><title>A page</title></head><body>" + std::string(size, 'x') + "</body></html>";
  MakeFiles(drives, "web", count, ".html", page);
  MakeFiles(drives, "text", count, ".txt", page);
  const double text = BestSeconds([&] { (void)fake::ReadFolder(drives, "c:\\text\\", "*.*"); });
  const FolderListing listing = fake::ReadFolder(drives, "c:\\web\\", "*.*");
  const double names = BestSeconds([&] { (void)fake::ReadFolder(drives, "c:\\web\\", "*.*"); });
  Report("a folder read", count, "HTML files of 50 KB", names, "as many text files", text);

  const std::filesystem::path host = drives.HostPath("c:\\web");
  const double raw = BestSeconds([&] {
    std::string buffer(size + 100, '\0');
    for (const std::string& name : listing.files.entries)
      std::ifstream(host / name, std::ios::binary)
          .read(buffer.data(), std::streamsize(buffer.size()));
  });
  const double titles = BestSeconds(
      [&] { (void)ReadTitles(drives, "c:\\web\\", listing.files.entries, [] { return false; }); });
  Report("ReadTitles", count, "HTML files of 50 KB", titles, "reading them", raw);
}

}  // namespace vantiro::bench
