// Starts the program on any configuration and favourites file: whatever the
// bytes, it must neither crash nor wait for ever, and box 0 must keep its
// drives and separator.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/form1.h"
#include "tests/doubles/fake_window_system.h"
#include "tests/doubles/temp_drives.h"

namespace {

vantiro::fake::TempDrives& Drives() {
  static vantiro::fake::TempDrives drives;
  static const bool made = [] {
    drives.AddDrive('c');
    drives.MakeFolders("c:\\vantiro");
    drives.MakeFolders("c:\\a\\b");
    drives.MakeFile("c:\\a\\notes.txt", "notes");
    drives.MakeFile("c:\\a\\page.htm", "<title>Page</title>");
    return true;
  }();
  (void)made;
  return drives;
}

}  // namespace

// The input is the configuration; its second half is also the favourites.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vantiro::fake::TempDrives& drives = Drives();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::filesystem::remove_all(drives.HostPath("c:\\vantiro"));  // the files an input set aside
  drives.MakeFile("c:\\vantiro\\Config", bytes);
  drives.MakeFile("c:\\vantiro\\Favorites", bytes.substr(size / 2));
  vantiro::fake::FakeWindowSystem ws;
  vantiro::Form1 form(ws, ws, drives, ws);
  form.Start();
  const std::vector<std::string>& box0 = form.browser().chain().box(0).entries;
  if (box0.size() < 2 || box0[0] != "c:" || !box0[1].empty()) std::abort();
  return 0;
}
