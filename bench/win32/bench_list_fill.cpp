// Opening a big folder on Win32: the raw enumeration of its sub-folders
// against filling a real (hidden) list box with them and measuring their
// widths, as the program does for every folder it opens.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "win32/file_system.h"
#include "win32/window_system.h"

namespace {

double BestSeconds(const std::function<void()>& run) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

std::string FolderName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "folder %06d", i);
  return name;
}

void Measure(const std::string& root, vantiro::Window& window, vantiro::ListBox& box) {
  const vantiro::win32::Win32FileSystem fs;
  std::vector<std::string> folders;
  const double enumerate =
      BestSeconds([&] { folders = fs.SubFolders(root).value_or(std::vector<std::string>{}); });
  std::vector<std::string> names;
  names.reserve(folders.size());
  for (const std::string& folder : folders) names.push_back(folder.substr(root.size()));
  const double fill = BestSeconds([&] {
    box.SetItems(names);
    static_cast<void>(window.TextWidths(box.Items()));
  });
  std::printf("%7zu sub-folders: enumerate %8.2f ms, fill and measure %8.2f ms, ratio %.2f\n",
              folders.size(), enumerate * 1e3, fill * 1e3, fill / enumerate);
}

// Makes the sub-folders the folder lacks. Under Wine each new name costs a
// scan of the whole folder, so there make them once natively and pass the
// folder: `mkdir` of "folder 000000" to "folder 099999" in big\, to
// "folder 009999" in small\.
void Populate(const std::string& folder, int count) {
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < count; ++i) CreateDirectoryA((folder + FolderName(i)).c_str(), nullptr);
}

void RemoveAll(const std::string& folder, int count) {
  for (int i = 0; i < count; ++i) RemoveDirectoryA((folder + FolderName(i)).c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

// bench_win32 [folder\]: without a folder, one in the temporary folder that
// goes again at the end.
int main(int argc, char** argv) {
  std::string root = argc > 1 ? argv[1] : "";
  const bool temporary = root.empty();
  if (temporary) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    root = std::string(temp) + "vantiro-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
  }
  CreateDirectoryA(root.c_str(), nullptr);

  vantiro::win32::Win32WindowSystem ws;
  auto window = ws.CreateTopWindow(
      {"Vantiro bench", vantiro::WindowKind::SizableToolWindow, 3000, 6000, {}}, {});
  auto box = window->CreateListBox({});
  box->SetWidth(1800);
  box->SetHeight(6000);

  const std::pair<const char*, int> sizes[] = {{"small\\", 10'000}, {"big\\", 100'000}};
  for (const auto& [name, count] : sizes) {
    Populate(root + name, count);
    Measure(root + name, *window, *box);
  }
  if (!temporary) return 0;
  for (const auto& [name, count] : sizes) RemoveAll(root + name, count);
  RemoveDirectoryA(root.c_str());
}
