#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/win32/bench_win32.h"

namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data{};
  HANDLE found = FindFirstFileA((folder + "*").c_str(), &data);
  if (found != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(folder + name + "\\");
      } else {
        DeleteFileA((folder + name).c_str());
      }
    } while (FindNextFileA(found, &data));
    FindClose(found);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

// bench_win32 [folder\]: the folder given keeps what the benchmarks made;
// without one they work in a folder of the temporary folder that goes again
// at the end. Exits 1 when a listing came out short.
int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--start-phases") return vantiro::bench::StartPhases();
  std::string root = argc > 1 ? argv[1] : "";
  const bool temporary = root.empty();
  if (temporary) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    root = std::string(temp) + "vantiro-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
  }
  if (root.back() != '\\') root += '\\';
  CreateDirectoryA(root.c_str(), nullptr);

  vantiro::win32::Win32WindowSystem ws;
  bool listed = vantiro::bench::MakeProgramFolder(root + "program\\");
  listed = vantiro::bench::PreviewPictures(ws, root) && listed;  // first: it reads the memory
  listed = vantiro::bench::FillFolderBox(ws, root) && listed;
  listed = vantiro::bench::ListFilesOfFolder(ws, root) && listed;
  listed = vantiro::bench::BrowseAtScale(ws, root) && listed;
  listed = vantiro::bench::OperateAtScale(ws, root) && listed;
  listed = vantiro::bench::StartAndMemory(root) && listed;
  if (temporary) RemoveTree(root);
  if (!listed) std::fprintf(stderr, "bench_win32: a listing came out short\n");
  return listed ? 0 : 1;
}
