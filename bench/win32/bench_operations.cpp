// File operations and readings left behind, through the real Form1 and the
// adapter: a paste of 10,000 files against the shell's own copy of them
// called alone in the same run, with the window's worst answer meanwhile;
// and the CPU the process takes once a folder of huge pages is left,
// against a folder of small ones.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "app/form1.h"
#include "bench/win32/bench_win32.h"
#include "win32/handles.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::bench {
namespace {

constexpr int kPasted = 10'000;
constexpr int kHugePages = 10;

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string FileName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "file %06d.txt", i);
  return name;
}

// While it lives, every question the program asks on this thread is
// answered Yes as it comes up.
class QuestionsAnsweredYes {
 public:
  QuestionsAnsweredYes()
      : hook_(SetWindowsHookExW(WH_CBT, &Answer, nullptr, GetCurrentThreadId())) {}
  ~QuestionsAnsweredYes() { UnhookWindowsHookEx(hook_); }
  QuestionsAnsweredYes(const QuestionsAnsweredYes&) = delete;
  QuestionsAnsweredYes& operator=(const QuestionsAnsweredYes&) = delete;

 private:
  static LRESULT CALLBACK Answer(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
      const auto window = reinterpret_cast<HWND>(wParam);
      PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(window, IDYES)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

// The command of a menu entry whose caption begins with text, anywhere in
// the menu; 0 when there is none.
UINT CommandOf(HMENU menu, const std::wstring& text) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      if (const UINT found = CommandOf(sub, text)) return found;
      continue;
    }
    wchar_t caption[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), caption, 64, MF_BYPOSITION);
    if (std::wstring(caption).starts_with(text)) return GetMenuItemID(menu, i);
  }
  return 0;
}

int FilesIn(const std::string& folder) {
  int count = 0;
  win32::Win32FileSystem().ReadEntries(folder, [&](FolderEntry&&) { return ++count, true; });
  return count;
}

// FOLDER > Paste of the 10,000 files of "files small\" handed over in Temp
// into an empty folder, answered Yes, until they are all there.
bool PasteMany(win32::Win32WindowSystem& ws, const std::string& root) {
  const std::string from = root + "files small\\", to = root + "pasted\\";
  CreateDirectoryA(to.c_str(), nullptr);
  std::string handOver;
  for (int i = 0; i < kPasted; ++i) handOver += "\"" + from + FileName(i) + "\"\r\n";
  win32::Win32FileSystem fs;
  if (!fs.SaveFile("Temp", handOver)) return false;
  const win32::WicPictureDecoder pictures;
  Form1 form(ws, ws, fs, pictures);
  form.Start();
  form.window().Show();
  if (OpenFolder(ws, form.browser(), to) < 0) return false;
  const auto main = reinterpret_cast<HWND>(form.window().SystemHandle());
  const QuestionsAnsweredYes yes;
  std::optional<AnswerWatch> answers(main);
  const auto start = std::chrono::steady_clock::now();
  PostMessageW(main, WM_COMMAND, CommandOf(GetMenu(main), L"Paste"), 0);
  RunFor(ws, 600'000, [&] { return form.browser().chain().files().entries.size() < kPasted; });
  const double pasted = SecondsSince(start), worst = answers->Worst();
  answers.reset();  // the shell's copy alone holds the window's thread

  const std::string alone = root + "copied alone\\";
  CreateDirectoryA(alone.c_str(), nullptr);
  std::wstring list;
  for (int i = 0; i < kPasted; ++i) list += win32::Wide(from + FileName(i)) + L'\0';
  list += L'\0';
  const std::wstring target = win32::Wide(alone) + L'\0';
  SHFILEOPSTRUCTW copy{};
  copy.wFunc = FO_COPY;
  copy.pFrom = list.c_str();
  copy.pTo = target.c_str();
  copy.fFlags = FOF_SIMPLEPROGRESS | FOF_FILESONLY;
  const auto shellStart = std::chrono::steady_clock::now();
  SHFileOperationW(&copy);
  Report("paste into an empty folder, to the last file shown", kPasted, "files", pasted,
         "the shell's copy alone", SecondsSince(shellStart));
  std::printf("paste of %d files: the window's worst answer %.0f ms\n", kPasted, worst * 1e3);
  return FilesIn(to) == kPasted && FilesIn(alone) == kPasted;
}

// Pages without a title, of size bytes each (sparse), in a folder of root.
void MakePages(const std::string& root, const std::string& name, LONGLONG size) {
  const std::string folder = root + name + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < kHugePages; ++i) {
    const win32::UniqueFile page(
        CreateFileA((folder + "page " + std::to_string(i) + ".html").c_str(), GENERIC_WRITE, 0,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    SetFilePointerEx(page.get(), LARGE_INTEGER{.QuadPart = size}, nullptr, FILE_BEGIN);
    SetEndOfFile(page.get());
  }
}

// Opens a sub-folder of the folder box lists as a click does, without
// waiting for it to be read.
void Click(Browser& browser, int box, const std::string& name) {
  const std::vector<std::string>& entries = browser.chain().box(box).entries;
  const auto found = std::ranges::find(entries, name);
  if (found != entries.end())
    browser.Reselect(box, static_cast<int>(found - entries.begin()), name);
}

// A folder of pages is opened and, once its names show and its titles are
// being read, an empty one beside it instead. The share of a core the
// process takes from 200 ms to 2.2 s after.
double CpuAfterLeaving(win32::Win32WindowSystem& ws, Browser& browser, int box,
                       const std::string& pages) {
  Click(browser, box, pages);
  RunFor(ws, 10'000, [&] { return browser.chain().files().entries.size() < kHugePages; });
  Click(browser, box, "empty");
  RunFor(ws, 200, [] { return true; });
  const double before = ProcessCpuSeconds();
  RunFor(ws, 2'000, [] { return true; });
  return (ProcessCpuSeconds() - before) / 2.0;
}

}  // namespace

bool OperateAtScale(win32::Win32WindowSystem& ws, const std::string& root) {
  const bool pasted = PasteMany(ws, root);
  MakePages(root, "huge pages", 4LL << 30);
  MakePages(root, "small pages", 50'000);
  CreateDirectoryA((root + "empty").c_str(), nullptr);
  win32::Win32FileSystem fs;
  const win32::WicPictureDecoder pictures;
  Form1 form(ws, ws, fs, pictures);
  form.Start();
  const int box = OpenFolder(ws, form.browser(), root);
  const double huge = CpuAfterLeaving(ws, form.browser(), box, "huge pages");
  const double small = CpuAfterLeaving(ws, form.browser(), box, "small pages");
  std::printf(
      "%d untitled pages of 4 GB left as their titles are read: %.1f %% of a core from 200 ms to "
      "2.2 s after; pages of 50 KB %.1f %%\n",
      kHugePages, huge * 100, small * 100);
  return pasted && box > 0;
}

}  // namespace vantiro::bench
