// Browsing on Win32 at scale, through the real Form1 and the adapter: box 0
// rebuilt with 10,000 favourites against one batch fill of a list box with
// as many entries, shown on the screen as box 0 is (under Wine a list box in
// sight pays a redraw of some 7 ms whatever its length); and a folder opened
// at the 40th level of a chain against one opened at the 2nd, in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "bench/win32/bench_win32.h"
#include "chain/names.h"
#include "win32/win32_file_system.h"

namespace vantiro::bench {
namespace {

constexpr int kFavorites = 10'000;
constexpr int kDepth = 40;

// "d1", "d2"...: written so that GCC 12 sees no overlap in the copies.
std::string Level(int i) { return std::to_string(i).insert(0, 1, 'd'); }

bool WriteFile(const std::string& path, const std::string& contents) {
  return win32::Win32FileSystem().SaveFile(path, contents);
}

// Selects the entry in the box as a click does, which opens it; a drive's
// entry may go on with its label.
bool Open(win32::Win32WindowSystem& ws, Browser& browser, int box, const std::string& entry) {
  const std::vector<std::string>& items = browser.chain().box(box).entries;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const std::string item = items[static_cast<std::size_t>(i)];
    if (LowerCase(item) == entry || item.starts_with(entry + " "))
      return Choose(ws, browser, box, i, item);
  }
  return false;
}

// The chain open and watched: the CPU the idle process takes over 30 s (a
// wake of the loop every 30 s), then the time until a file made in the
// current folder shows in the file list.
double IdleCpuSeconds(win32::Win32WindowSystem& ws) {
  const double before = ProcessCpuSeconds();
  const UINT_PTR wake = SetTimer(nullptr, 0, 30'000, nullptr);
  const DWORD start = GetTickCount();
  ws.RunWhile([&] { return GetTickCount() - start < 30'000; });
  KillTimer(nullptr, wake);
  return ProcessCpuSeconds() - before;
}

bool WatchedIdleAndAChange(win32::Win32WindowSystem& ws, Browser& browser,
                           const std::string& made) {
  const double watched = IdleCpuSeconds(ws);
  std::printf("idle for 30 s with %zu folders watched: %.1f ms of CPU\n",
              browser.chain().ShownFolders().size(), watched * 1e3);
  const auto shown = [&] {
    return std::ranges::count(browser.chain().files().entries, "made.txt") > 0;
  };
  const DWORD madeAt = GetTickCount();
  if (!WriteFile(made, "")) return false;
  RunFor(ws, 5'000, [&] { return !shown(); });
  std::printf("a file made by another program shows after %lu ms\n",
              static_cast<unsigned long>(GetTickCount() - madeAt));
  return shown();
}

}  // namespace

bool Choose(win32::Win32WindowSystem& ws, Browser& browser, int box, int entry,
            const std::string& text) {
  const bool found = browser.Reselect(box, entry, text);
  ws.RunWhile([&] { return browser.Listing(); });
  return found;
}

// Names are matched whatever their case.
int OpenFolder(win32::Win32WindowSystem& ws, Browser& browser, const std::string& folder) {
  const std::string lower = LowerCase(folder);
  if (!Open(ws, browser, 0, lower.substr(0, 2))) return -1;
  int box = 1;
  for (std::size_t start = 3, end; (end = lower.find('\\', start)) != std::string::npos;
       start = end + 1, ++box) {
    if (!Open(ws, browser, box, lower.substr(start, end - start))) return -1;
  }
  return box;
}

namespace {

// Lets the window system paint for a while, so that the window is on the
// screen before it is measured.
void PaintFor(DWORD milliseconds) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(10)) {
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
  }
}

}  // namespace

// The program folder holds a configuration without a remembered path (no
// first-run welcome, nothing reopened) and the favourites.
bool MakeProgramFolder(const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string favorites;
  for (int i = 0; i < kFavorites; ++i) {
    favorites.append("\"c:\\favourite ").append(std::to_string(100'000 + i)).append("\\\"\r\n");
  }
  return WriteFile(folder + "Config",
                   "1200\r\n1800\r\n16777215\r\n-2147483628\r\n3000\r\n6000\r\n450\r\n600\r\n"
                   "#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n0\r\n") &&
         WriteFile(folder + "Favorites", favorites) && SetCurrentDirectoryA(folder.c_str());
}

bool BrowseAtScale(win32::Win32WindowSystem& ws, const std::string& root) {
  win32::Win32FileSystem fs;
  const win32::WicPictureDecoder pictures;
  Form1 form(ws, ws, fs, pictures);
  form.Start();
  Browser& browser = form.browser();

  const std::vector<std::string> entries = browser.chain().box(0).entries;
  auto window =
      ws.CreateTopWindow({"Vantiro bench", WindowKind::SizableToolWindow, 3000, 6000, {}}, {});
  HWND box = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0,
                             0, 80, 400, reinterpret_cast<HWND>(window->SystemHandle()), nullptr,
                             nullptr, nullptr);
  window->Show();
  PaintFor(300);
  const double fill = BestSeconds([&] {  // a list box of the system's own keeps each entry
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries)
      SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
  });
  const double rebuild = BestSeconds([&] { browser.ResetCurrentDir(); });
  const std::size_t count = browser.chain().box(0).entries.size();
  Report("box 0 rebuilt", static_cast<int>(count), "entries", rebuild, "one batch fill", fill);
  bool ok = count == entries.size() && static_cast<int>(entries.size()) > kFavorites;

  // root\deep\d1\...\d40, opened box by box; then a level is opened again
  // by a click on its entry, to the full list.
  std::string path = root + "deep\\";
  CreateDirectoryA(path.c_str(), nullptr);
  for (int i = 1; i <= kDepth; ++i) {
    path.append(Level(i)).append("\\");
    CreateDirectoryA(path.c_str(), nullptr);
  }
  std::printf("idle for 30 s with no folder open: %.1f ms of CPU\n", IdleCpuSeconds(ws) * 1e3);
  const int deepest = OpenFolder(ws, browser, path) - 1, second = deepest - kDepth + 2;
  ok = ok && deepest > kDepth;
  ok = WatchedIdleAndAChange(ws, browser, path + "made.txt") && ok;
  const auto click = [&](int box) {
    browser.Dir_Click(box);  // a click on the entry selected opens it again
    ws.RunWhile([&] { return browser.Listing(); });
  };
  const double atDepth = BestSeconds([&] { click(deepest); });
  const double atSecond = BestSeconds([&] { click(second); });
  Report("folder opened at level", kDepth, "levels", atDepth, "at level 2", atSecond);
  return ok && browser.chain().LastBox() == second + 1;
}

}  // namespace vantiro::bench
