// Opening a big folder on Win32: the raw enumeration of its sub-folders
// against filling a real (hidden) list box with them and measuring their
// widths, as the program does for every folder it opens.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/win32/bench_win32.h"
#include "win32/win32_file_system.h"

namespace vantiro::bench {
namespace {

std::string FolderName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "folder %06d", i);
  return name;
}

bool Measure(const std::string& root, int count, Window& window, ListBox& box) {
  const win32::Win32FileSystem fs;
  std::vector<FolderEntry> folders;
  const double enumerate =
      BestSeconds([&] { folders = fs.Entries(root).value_or(std::vector<FolderEntry>{}); });
  std::vector<std::string> names;
  names.reserve(folders.size());
  for (const FolderEntry& folder : folders) names.push_back(folder.name);
  const double fill = BestSeconds([&] {
    box.SetItems(names);
    static_cast<void>(window.Measurer()->Widths(names));
  });
  Report("fill and measure", static_cast<int>(folders.size()), "sub-folders", fill, "enumeration",
         enumerate);
  return static_cast<int>(folders.size()) == count;
}

// Makes the sub-folders the folder lacks (slow under Wine, see the header).
void Populate(const std::string& folder, int count) {
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < count; ++i) CreateDirectoryA((folder + FolderName(i)).c_str(), nullptr);
}

}  // namespace

bool FillFolderBox(win32::Win32WindowSystem& ws, const std::string& root) {
  auto window =
      ws.CreateTopWindow({"Vantiro bench", WindowKind::SizableToolWindow, 3000, 6000, {}}, {});
  auto box = window->CreateListBox({});
  box->SetWidth(1800);
  box->SetHeight(6000);

  bool listed = true;
  const std::pair<const char*, int> sizes[] = {{"small\\", 10'000}, {"big\\", 100'000}};
  for (const auto& [name, count] : sizes) {
    Populate(root + name, count);
    listed = Measure(root + name, count, *window, *box) && listed;
  }
  return listed;
}

}  // namespace vantiro::bench
