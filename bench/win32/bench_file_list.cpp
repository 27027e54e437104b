// Opening a folder on Win32 as a click does, through the real Form1, the
// adapter and the window's loop: the time to the full list and to the idle
// window, against enumerating the same folder and filling a shown list box
// in the same run, and the longest the window took to answer meanwhile.
#include <windows.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "bench/win32/bench_win32.h"
#include "chain/names.h"
#include "chain/page_title.h"
#include "win32/handles.h"
#include "win32/wide_text.h"
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

// A click on an entry of the box that lists the benchmark's folder, timed
// to the full list and to the idle window, each run after a run of the
// baseline, so that both see the machine alike: medians of nine. Then, in
// runs of their own (the asking takes CPU the baseline does not share), the
// window's worst answer.
struct ClickTimes {
  double first = 0, listed = 0, full = 0, idle = 0, baseline = 0, worstAnswer = 0;
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
  std::ranges::nth_element(values, middle);
  return *middle;
}

ClickTimes TimeClicks(win32::Win32WindowSystem& ws, Form1& form, int box, const std::string& entry,
                      const std::function<double()>& baseline = {}) {
  constexpr int kRuns = 9;
  Browser& browser = form.browser();
  ClickTimes times;
  std::vector<double> first, listed, full, idle, base;
  const auto since = [](auto start, auto end) {
    return std::chrono::duration<double>(end - start).count();
  };
  Choose(ws, browser, box, IndexOf(browser.chain().box(box).entries, entry), entry);
  for (int run = 0; run < kRuns + 3; ++run) {
    std::optional<AnswerWatch> answers;
    if (run >= kRuns) {
      answers.emplace(reinterpret_cast<HWND>(form.window().SystemHandle()));
    } else if (baseline) {
      base.push_back(baseline());
    }
    const auto start = std::chrono::steady_clock::now();
    browser.Dir_Click(box);  // a click on the entry selected opens it again
    std::chrono::steady_clock::time_point firstAt{}, listedAt{};
    ws.RunWhile([&] {
      const FolderChain& chain = browser.chain();
      const auto now = std::chrono::steady_clock::now();
      if (firstAt == decltype(firstAt){} &&
          (!chain.files().entries.empty() || chain.LastBox() > box))
        firstAt = now;
      // Only the whole listing, not a batch, measures the widest name.
      const bool whole = chain.files().widest > 0 ||
                         (chain.LastBox() > box && chain.box(chain.LastBox()).widest > 0);
      if (listedAt == decltype(listedAt){} && whole) listedAt = now;
      return browser.Listing();
    });
    const auto fullAt = std::chrono::steady_clock::now();
    DoEvents();
    const auto idleAt = std::chrono::steady_clock::now();
    if (answers) {
      times.worstAnswer = std::max(times.worstAnswer, answers->Worst());
      continue;
    }
    first.push_back(since(start, firstAt));
    listed.push_back(since(start, listedAt));
    full.push_back(since(start, fullAt));
    idle.push_back(since(start, idleAt));
  }
  times.first = Median(first);
  times.listed = Median(listed);
  times.full = Median(full);
  times.idle = Median(idle);
  times.baseline = Median(base);
  return times;
}

// The steps of one click on the folder, each timed alone through the calls
// the click makes: the folder read, its names arranged, the listing handed
// back to the window's thread, taken into the chain, shown in a list box of
// the program's (the file list, or a box for sub-folders), and drawn: the
// best of five runs of each.
struct ClickPhases {
  double read = 1e9, sort = 1e9, post = 1e9, takeIn = 1e9, fill = 1e9, draw = 1e9;
  double Sum() const { return read + sort + post + takeIn + fill + draw; }
};

ClickPhases TimePhases(win32::Win32WindowSystem& ws, Browser& browser, int box, ListBox& list) {
  const win32::Win32FileSystem fs;
  const FolderChain& shown = browser.chain();
  const std::string folder = shown.PathOf(box);
  ClickPhases phases;
  for (int run = 0; run < 5; ++run) {
    auto start = std::chrono::steady_clock::now();
    ReadNames read;
    fs.ReadEntries(folder, [&](FolderEntry&& entry) {
      read.Add(std::move(entry));
      return true;
    });
    phases.read = std::min(phases.read, SecondsSince(start));
    start = std::chrono::steady_clock::now();
    FolderListing listing = Arrange(folder, std::move(read), shown.Filter(), shown.Measure());
    phases.sort = std::min(phases.sort, SecondsSince(start));

    const Lifetime lifetime;
    std::chrono::steady_clock::time_point handed{};
    bool back = false;
    ws.RunThenPost(
        lifetime,
        [&] {
          handed = std::chrono::steady_clock::now();
          return std::move(listing);
        },
        [&](FolderListing posted) {
          phases.post = std::min(phases.post, SecondsSince(handed));
          listing = std::move(posted);
          back = true;
        });
    ws.RunWhile([&] { return !back; });

    FolderChain chain = shown;
    chain.BeginOpen(box);
    start = std::chrono::steady_clock::now();
    chain.Apply(std::move(listing));
    phases.takeIn = std::min(phases.takeIn, SecondsSince(start));
    const bool files = chain.LastBox() == box;
    const std::vector<std::string>& rows =
        files ? chain.files().entries : chain.box(chain.LastBox()).entries;
    start = std::chrono::steady_clock::now();
    list.ShowRows(rows.size(), [&](std::size_t row) { return FileRow(rows[row]); }, {});
    phases.fill = std::min(phases.fill, SecondsSince(start));
    start = std::chrono::steady_clock::now();
    DoEvents();
    phases.draw = std::min(phases.draw, SecondsSince(start));
  }
  return phases;
}

// The baseline: the folder enumerated and its names put in a shown list box
// of the system's own, which keeps a copy of each, in one batch.
double EnumerateAndFill(HWND box, const std::string& folder) {
  const win32::Win32FileSystem fs;
  const auto start = std::chrono::steady_clock::now();
  {
    std::vector<std::string> names;
    fs.ReadEntries(folder, [&](FolderEntry&& entry) {
      names.push_back(std::move(entry.name));
      return true;
    });
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    SendMessageA(box, LB_INITSTORAGE, names.size(), LPARAM(names.size() * 16));
    for (const std::string& name : names)
      SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
    DoEvents();
  }
  return SecondsSince(start);
}

// Down held on a box of 200 folders for 2 s, repeated 30 times a second as
// the keyboard does: the window's worst answer meanwhile, and whether the
// chain ends on the entry where the key was let go.
bool HoldDown(win32::Win32WindowSystem& ws, Form1& form, int box) {
  constexpr int kRepeats = 60;
  Browser& browser = form.browser();
  if (!Choose(ws, browser, box, IndexOf(browser.chain().box(box).entries, "keys"), "keys"))
    return false;
  const int keys = box + 1;
  Choose(ws, browser, keys, 0, browser.chain().box(keys).entries.front());
  browser.lists().Dir(keys).SetFocus();
  const AnswerWatch answers(reinterpret_cast<HWND>(form.window().SystemHandle()));
  {
    const HeldDown down(GetFocus(), kRepeats);
    ws.RunWhile([&] { return !down.typed() || browser.Listing(); });
  }
  DoEvents();  // the last keys posted
  ws.RunWhile([&] { return browser.Listing(); });
  const FolderChain& chain = browser.chain();
  const int ended = chain.box(keys).selected;
  const bool opened = chain.CurrentFolder() == chain.PathOf(keys);
  std::printf(
      "Down held 2 s over 200 folders: worst answer %.0f ms, ended on entry %d (%s) of %d\n",
      answers.Worst() * 1e3, ended, opened ? "open" : "not open", kRepeats);
  return ended == kRepeats && opened;
}

// F5 with "files big\" open reads the chain again while the window
// answers; against a click on the folder.
bool TimeRefresh(win32::Win32WindowSystem& ws, Form1& form, int box) {
  Browser& browser = form.browser();
  const ClickTimes click = TimeClicks(ws, form, box, "files big");
  AnswerWatch answers(reinterpret_cast<HWND>(form.window().SystemHandle()));
  const auto start = std::chrono::steady_clock::now();
  browser.mnuRefresh_Click();
  ws.RunWhile([&] { return browser.Listing() || browser.restore().Restoring(); });
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  Report("F5 with 100000 files open, listed again", 100'000, "files", seconds, "a click",
         click.full);
  std::printf("F5 with 100000 files open: the window's worst answer %.0f ms\n",
              answers.Worst() * 1e3);
  return browser.chain().files().entries.size() == 100'000;
}

// Ctrl+A with "files big\" open, then Shift+Down 30 times, each with its
// repaint: they run on the window's thread, so the longest of them is the
// window's worst answer. Against filling a list box with the same names.
bool TimeSelectAll(Browser& browser, double fill) {
  double worst = 0;
  const auto timed = [&](const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    DoEvents();
    const auto took = std::chrono::steady_clock::now() - start;
    worst = std::max(worst, std::chrono::duration<double>(took).count());
  };
  timed([&] { browser.files().SelectAllFiles(); });
  Report("Ctrl+A on 100000 files, shown", 100'000, "files", worst, "enumerate and fill", fill);
  const std::size_t all = browser.chain().files().selection.Count();
  for (int i = 0; i < 30; ++i)
    timed([&] {
      browser.files().ClickFile(browser.chain().files().selection.Focus() + 1, kShiftKey);
    });
  std::printf(
      "Ctrl+A, then Shift+Down 30 times, on 100000 files: the window's worst answer %.0f ms\n",
      worst * 1e3);
  return all == 100'000 && browser.chain().files().selection.Runs().size() == 1;
}

// Each page of the folder read up to the end of its title, as a program
// that wants the titles alone reads them.
double ReadToTitles(const std::string& folder) {
  const auto start = std::chrono::steady_clock::now();
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(win32::Wide(folder + "*.htm*").c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
    const win32::UniqueFile page(CreateFileW((win32::Wide(folder) + found.cFileName).c_str(),
                                             GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    std::string head;
    char chunk[8192];
    DWORD read = 0;
    while (head.size() < kPageHeadLimit &&
           ReadFile(page.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
      const std::size_t from = head.size() > 7 ? head.size() - 7 : 0;
      for (DWORD i = 0; i < read; ++i) head += static_cast<char>(std::tolower(chunk[i]));
      if (head.find("</title", from) != std::string::npos) break;
    }
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return SecondsSince(start);
}

// A click on a folder of real pages, to its first titles and to all of them,
// against reading each up to the end of its title: medians of five.
bool TimeTitles(win32::Win32WindowSystem& ws, Form1& form, int box, const std::string& root) {
  const std::string name = "real pages", folder = root + name + "\\";
  Browser& browser = form.browser();
  const int entry = IndexOf(browser.chain().box(box).entries, name);
  if (entry < 0) {
    std::printf("titles of real pages: no folder \"%s\" (bench/win32/run_bench.sh makes it)\n",
                name.c_str());
    return true;
  }
  Choose(ws, browser, box, entry, name);  // the disk's cache warmed alike
  std::vector<double> listed, first, all, base;
  for (int run = 0; run < 5; ++run) {
    base.push_back(ReadToTitles(folder));
    const auto start = std::chrono::steady_clock::now();
    browser.Dir_Click(box);
    std::optional<double> listedAt, firstAt;
    ws.RunWhile([&] {
      const FileList& files = browser.chain().files();
      if (!listedAt && files.widest > 0) listedAt = SecondsSince(start);
      if (!firstAt && !files.titles.empty()) firstAt = SecondsSince(start);
      return browser.Listing();
    });
    listed.push_back(listedAt.value_or(0));
    first.push_back(firstAt.value_or(0));
    all.push_back(SecondsSince(start));
  }
  const FileList& files = browser.chain().files();
  const win32::Win32FileSystem fs;
  const double alone =
      BestSeconds([&] { (void)ReadTitles(fs, folder, files.entries, [] { return false; }); });
  Report("titles of real pages, read alone", static_cast<int>(files.titles.size()), "pages", alone,
         "each read up to its title", Median(base));
  Report("titles of real pages, from the click", static_cast<int>(files.titles.size()), "pages",
         Median(all), "each read up to its title", Median(base));
  std::printf("  names listed %.0f ms after the click, the first titles shown %.0f ms after it\n",
              Median(listed) * 1e3, Median(first) * 1e3);
  return files.titles.size() == PageCount(files.entries) && !files.titles.empty();
}

}  // namespace

bool ListFilesOfFolder(win32::Win32WindowSystem& ws, const std::string& root) {
  win32::Win32FileSystem fs;
  const win32::WicPictureDecoder pictures;
  Form1 form(ws, ws, fs, pictures);
  form.Start();
  form.window().Show();
  const int box = OpenFolder(ws, form.browser(), root);
  if (box < 0) return false;
  auto window =
      ws.CreateTopWindow({"Vantiro bench", WindowKind::SizableToolWindow, 3000, 6000, {}}, {});
  ListBox::Events many;
  many.selectsMany = true;
  const std::unique_ptr<ListBox> rows = window->CreateListBox(many);
  rows->Move(2100, 0, 1800, 5000);
  rows->SetVisible(true);
  HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0,
      0, 133, 400, reinterpret_cast<HWND>(window->SystemHandle()), nullptr, nullptr, nullptr);
  window->Show();

  Populate(root + "files small\\", 10'000, FileName, {});
  Populate(root + "files big\\", 100'000, FileName, {});
  Populate(root + "web\\", kPages, PageName, Page());
  Populate(root + "web text\\", kPages, FileName, Page());
  const std::pair<const char*, int> folders[] = {{"files small", 10'000}, {"files big", 100'000},
                                                 {"small", 10'000},       {"big", 100'000},
                                                 {"web text", kPages},    {"web", kPages}};
  bool listed = true;
  double webTextListed = 0, bigFill = 0;
  for (const auto& [name, count] : folders) {
    const ClickTimes times =
        TimeClicks(ws, form, box, name, [&] { return EnumerateAndFill(list, root + name + "\\"); });
    const double baseline = times.baseline;
    const ClickPhases phases = TimePhases(ws, form.browser(), box, *rows);
    if (name == std::string("web text")) webTextListed = times.listed;
    if (name == std::string("files big")) bigFill = baseline;
    const auto& chain = form.browser().chain();
    const std::size_t shown =
        chain.files().entries.size() +
        (chain.LastBox() > box ? chain.box(chain.LastBox()).entries.size() : 0);
    std::printf(
        "click on \"%s\" (%d entries): first rows %.0f ms, full list %.0f ms (ratio %.2f), idle "
        "%.0f ms (ratio %.2f) against enumerate and fill %.0f ms; worst answer %.0f ms\n",
        name, count, times.first * 1e3, times.full * 1e3, times.full / baseline, times.idle * 1e3,
        times.idle / baseline, baseline * 1e3, times.worstAnswer * 1e3);
    std::printf(
        "  its steps alone: read %.1f, sort %.1f, post %.1f, take in %.1f, fill %.1f, draw %.1f "
        "ms: %.0f ms in all (ratio %.2f)\n",
        phases.read * 1e3, phases.sort * 1e3, phases.post * 1e3, phases.takeIn * 1e3,
        phases.fill * 1e3, phases.draw * 1e3, phases.Sum() * 1e3, phases.Sum() / baseline);
    listed = listed && static_cast<int>(shown) == count;
    if (name == std::string("web"))
      Report("HTML pages' names listed", count, "pages", times.listed, "as many text files",
             webTextListed);
  }
  const std::vector<std::string>& titles = form.previews().frmHTML().Rows();
  listed = listed && !titles.empty() && titles.front() == "A page";
  return TimeTitles(ws, form, box, root) && HoldDown(ws, form, box) && TimeRefresh(ws, form, box) &&
         TimeSelectAll(form.browser(), bigFill) && listed;
}

}  // namespace vantiro::bench
