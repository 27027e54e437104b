// Opening a folder with many sub-folders, against the raw enumeration of the
// same folder in the same run.
#include <filesystem>
#include <string>

#include "bench/core/measure.h"
#include "chain/folder_chain.h"
#include "tests/doubles/folder_read.h"
#include "tests/doubles/temp_drives.h"

namespace vantiro::bench {

void OpenFolder(int count) {
  fake::TempDrives drives;
  drives.AddDrive('c');
  const std::string folder = "c:\\many\\";
  drives.MakeFolders(folder);
  const std::filesystem::path host = drives.HostPath(folder);
  for (int i = 0; i < count; ++i)
    std::filesystem::create_directory(host / ("Folder " + std::to_string(i)));

  const double raw = BestSeconds([&] { (void)drives.Entries(folder); });
  const double open = BestSeconds([&] { (void)fake::ReadFolder(drives, folder, "*.*"); });
  Report("a folder read", count, "sub-folders", open, "enumeration", raw);
}

}  // namespace vantiro::bench
