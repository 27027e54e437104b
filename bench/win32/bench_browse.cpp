// Browsing on Win32 at scale, through the real Form1 and the adapter: box 0
// rebuilt with 10,000 favourites against one batch fill of a list box with
// as many entries, shown on the screen as box 0 is (under Wine a list box in
// sight pays a redraw of some 7 ms whatever its length); and a folder opened
// at the 40th level of a chain against one opened at the 2nd, in the same run.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "app/form1.h"
#include "bench/win32/bench_win32.h"
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
bool Open(Browser& browser, int box, const std::string& entry) {
  const std::vector<std::string>& items = browser.chain().box(box).entries;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const std::string& item = items[static_cast<std::size_t>(i)];
    if (item == entry || item.starts_with(entry + " ")) return browser.Reselect(box, i, item);
  }
  return false;
}

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
                   "#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n") &&
         WriteFile(folder + "Favorites", favorites) && SetCurrentDirectoryA(folder.c_str());
}

bool BrowseAtScale(win32::Win32WindowSystem& ws, const std::string& root) {
  win32::Win32FileSystem fs;
  Form1 form(ws, fs);
  form.Start();
  Browser& browser = form.browser();

  const std::vector<std::string> entries = browser.chain().box(0).entries;
  auto window =
      ws.CreateTopWindow({"Vantiro bench", WindowKind::SizableToolWindow, 3000, 6000, {}}, {});
  auto box = window->CreateListBox({});
  box->Move(0, 0, browser.Dir(0).Width(), browser.Dir(0).Height());
  box->SetVisible(true);
  window->Show();
  PaintFor(300);
  const double fill = BestSeconds([&] { box->SetItems(entries); });
  const double rebuild = BestSeconds([&] { browser.ResetCurrentDir(); });
  const std::size_t count = browser.chain().box(0).entries.size();
  Report("box 0 rebuilt", static_cast<int>(count), "entries", rebuild, "one batch fill", fill);
  bool ok = count == entries.size() && static_cast<int>(entries.size()) > kFavorites;

  // root\deep\d1\...\d40, opened box by box (the boxes show names in lower
  // case); then a level is opened again by a click on its entry.
  std::string path = root + "deep\\";
  CreateDirectoryA(path.c_str(), nullptr);
  for (int i = 1; i <= kDepth; ++i) {
    path.append(Level(i)).append("\\");
    CreateDirectoryA(path.c_str(), nullptr);
  }
  std::string lower = root;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::vector<std::string> chain = {lower.substr(0, 2)};
  for (std::size_t start = 3, end; (end = lower.find('\\', start)) != std::string::npos;
       start = end + 1)
    chain.push_back(lower.substr(start, end - start));
  chain.push_back("deep");
  const int first = static_cast<int>(chain.size()) - 1;  // "deep" in it; d1 to d40 follow
  for (int i = 1; i <= kDepth; ++i) chain.push_back(Level(i));
  for (int i = 0; ok && i < static_cast<int>(chain.size()); ++i)
    ok = Open(browser, i, chain[static_cast<std::size_t>(i)]);
  const int deepest = first + kDepth, second = first + 2;
  const double atDepth = BestSeconds([&] { browser.Dir_Click(deepest); });
  const double atSecond = BestSeconds([&] { browser.Dir_Click(second); });
  Report("folder opened at level", kDepth, "levels", atDepth, "at level 2", atSecond);
  return ok && browser.chain().LastBox() == second + 1;
}

}  // namespace vantiro::bench
