// Listing a folder's files on Win32: Update_Files of the real Form1 with the
// Win32 adapter (the file list and the HTML titles in real list boxes)
// against a raw FindFirstFile loop over the same folder and, for HTML files,
// reading each file whole, in the same run.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/form1.h"
#include "bench/win32/bench_win32.h"
#include "win32/handles.h"
#include "win32/win32_file_system.h"

namespace vantiro::bench {
namespace {

constexpr std::size_t kPageBytes = 50 * 1024;
constexpr int kPages = 1'000;

std::string FileName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "file %06d.txt", i);
  return name;
}

std::string PageName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "page %04d.html", i);
  return name;
}

// As in the core benchmark: the title first, then 50 KB of text.
std::string Page() {
  return "<html><head><title>A page</title></head><body>" + std::string(kPageBytes, 'x') +
         "</body></html>";
}

// Writes the files the folder lacks; a file already there is kept as it is
// (slow under Wine, see the header).
void Populate(const std::string& folder, int count, std::string (*name)(int),
              const std::string& content) {
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < count; ++i) {
    HANDLE file = CreateFileA((folder + name(i)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    const win32::UniqueFile closer(file);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  }
}

std::vector<std::string> Enumerate(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data{};
  HANDLE found = FindFirstFileA((folder + "*").c_str(), &data);
  if (found == INVALID_HANDLE_VALUE) return names;
  const win32::UniqueFind closer(found);
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(data.cFileName);
  } while (FindNextFileA(found, &data));
  return names;
}

void ReadWhole(const std::string& folder, const std::vector<std::string>& names) {
  std::string buffer(kPageBytes + 1024, '\0');
  for (const std::string& name : names) {
    HANDLE file = CreateFileA((folder + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    const win32::UniqueFile closer(file);
    DWORD read = 0;
    while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) &&
           read > 0) {
    }
  }
}

}  // namespace

bool ListFilesOfFolder(win32::Win32WindowSystem& ws, const std::string& root) {
  win32::Win32FileSystem fs;
  Form1 form(ws, fs);
  form.Start();
  bool listed = true;

  const std::pair<const char*, int> sizes[] = {{"files small\\", 10'000}, {"files big\\", 100'000}};
  for (const auto& [name, count] : sizes) {
    const std::string folder = root + name;
    Populate(folder, count, FileName, {});
    std::vector<std::string> names;
    const double raw = BestSeconds([&] { names = Enumerate(folder); });
    const double list = BestSeconds([&] { form.browser().Update_Files(0, folder); });
    Report("Update_Files", count, "files", list, "enumeration", raw);
    listed = listed && static_cast<int>(names.size()) == count &&
             std::ssize(form.browser().chain().files().entries) == count;
  }

  const std::string web = root + "web\\";
  Populate(web, kPages, PageName, Page());
  const double raw = BestSeconds([&] { ReadWhole(web, Enumerate(web)); });
  const double list = BestSeconds([&] { form.browser().Update_Files(0, web); });
  Report("Update_Files", kPages, "HTML files of 50 KB", list, "enumeration and reading", raw);
  const FileList& files = form.browser().chain().files();
  return listed && std::ssize(files.entries) == kPages && std::ssize(files.titles) == kPages &&
         form.previews().frmHTML().Rows().front() == "A page";
}

}  // namespace vantiro::bench
