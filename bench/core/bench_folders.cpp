// Opening a folder with many sub-folders, against the raw enumeration of the
// same folder in the same run. Prints one line per size; best of 5.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "app/form1.h"
#include "tests/doubles/fake_window_system.h"
#include "tests/doubles/temp_drives.h"

namespace {

using Clock = std::chrono::steady_clock;

double BestSeconds(const std::function<void()>& run) {
  double best = 1e9;
  for (int i = 0; i < 5; ++i) {
    const auto start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

void MeasureFolder(int count) {
  vantiro::fake::TempDrives drives;
  drives.AddDrive('c');
  const std::string folder = "c:\\many\\";
  drives.MakeFolders(folder);
  const std::filesystem::path host = drives.HostPath(folder);
  for (int i = 0; i < count; ++i)
    std::filesystem::create_directory(host / ("Folder " + std::to_string(i)));

  vantiro::fake::FakeWindowSystem ws;
  vantiro::Form1 form(ws, drives);
  form.Start();

  const double raw = BestSeconds([&] { (void)drives.SubFolders(folder); });
  const double open = BestSeconds([&] { form.Update_Dir(1, folder); });
  std::printf("Update_Dir, %6d sub-folders: %8.2f ms, enumeration %8.2f ms, ratio %.2f\n", count,
              open * 1e3, raw * 1e3, open / raw);
}

}  // namespace

int main() {
  for (int count : {10'000, 100'000}) MeasureFolder(count);
}
