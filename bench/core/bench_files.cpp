// Listing a folder's files, against the raw enumeration (and, for HTML
// files, the raw reading) of the same folder in the same run.
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/core/measure.h"
#include "navigation/folder_chain.h"
#include "tests/doubles/temp_drives.h"

namespace vantiro::bench {

void ListFiles(int count) {
  fake::TempDrives drives;
  drives.AddDrive('c');
  drives.MakeFolders("c:\\files");
  const std::filesystem::path host = drives.HostPath("c:\\files");
  for (int i = 0; i < count; ++i) std::ofstream(host / ("File " + std::to_string(i) + ".txt"));

  FolderChain chain(drives);
  const double raw = BestSeconds([&] { (void)drives.Entries("c:\\files\\"); });
  const double list = BestSeconds([&] { chain.Update_Files("c:\\files\\"); });
  Report("Update_Files", count, "files", list, "enumeration", raw);
}

void ListHtmlFiles(int count, std::size_t size) {
  fake::TempDrives drives;
  drives.AddDrive('c');
  drives.MakeFolders("c:\\web");
  const std::filesystem::path host = drives.HostPath("c:\\web");
  const std::string page =
      "<html><head><title>A page</title></head><body>" + std::string(size, 'x') + "</body></html>";
  for (int i = 0; i < count; ++i)
    std::ofstream(host / ("page" + std::to_string(i) + ".html")) << page;

  FolderChain chain(drives);
  const double raw = BestSeconds([&] {
    std::string buffer(size + 100, '\0');
    const auto entries = drives.Entries("c:\\web\\");
    for (const FolderEntry& entry : *entries) {
      std::ifstream(host / entry.name, std::ios::binary)
          .read(buffer.data(), std::streamsize(buffer.size()));
    }
  });
  const double list = BestSeconds([&] { chain.Update_Files("c:\\web\\"); });
  Report("Update_Files", count, "HTML files of 50 KB", list, "enumeration and reading", raw);
}

}  // namespace vantiro::bench
