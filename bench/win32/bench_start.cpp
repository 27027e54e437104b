// Vantiro.exe started as the shell starts a program, against programs of
// our own (bench/baseline) in the same run: the time to the first painted,
// idle window against a bare window program, and the memory's high-water
// mark after listing 100,000 files against a program that holds the same
// names in a list box. Then where the start goes, phase by phase, in a
// fresh process.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/form1.h"
#include "bench/win32/bench_win32.h"
#include "settings/config.h"
#include "win32/handles.h"
#include "win32/win32_file_system.h"

namespace vantiro::bench {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Polls until done() holds, for at most so many ms.
bool WaitUntil(DWORD most, const std::function<bool()>& done) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < most; Sleep(10)) {
    if (done()) return true;
  }
  return done();
}

// The visible top windows of a process, as EnumWindows finds them.
struct Found {
  DWORD process = 0;
  std::vector<HWND> windows;
};

BOOL CALLBACK AddWindowOf(HWND window, LPARAM param) {
  Found& found = *reinterpret_cast<Found*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == found.process && IsWindowVisible(window)) found.windows.push_back(window);
  return TRUE;
}

// The visible list boxes of a window, as EnumChildWindows finds them.
BOOL CALLBACK AddListBox(HWND child, LPARAM param) {
  char name[16] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "ListBox") == 0 && IsWindowVisible(child))
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
  return TRUE;
}

// A program started from a folder, timed to its first visible window and to
// its first idle moment, when it has painted and waits for input. Its
// windows are closed at the end.
class Started {
 public:
  Started(std::string commandLine, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const Clock::time_point start = Clock::now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_))
      return;
    WaitUntil(30'000, [&] { return !Windows().empty(); });
    shown_ = SecondsSince(start);
    WaitForInputIdle(process_.hProcess, 30'000);
    seconds_ = SecondsSince(start);
  }
  ~Started() {
    if (!process_.hProcess) return;
    for (HWND window : Windows()) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10'000) != WAIT_OBJECT_0)
      TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  // Closes its windows as the close box does: the time until it ended.
  double Close() const {
    const Clock::time_point start = Clock::now();
    for (HWND window : Windows()) PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process_.hProcess, 30'000);
    return SecondsSince(start);
  }
  double Seconds() const { return seconds_; }
  double ShownSeconds() const { return shown_; }
  double PeakMegabytes() const {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(process_.hProcess, &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1 << 20);
  }
  // Its visible top windows.
  std::vector<HWND> Windows() const {
    Found found{process_.dwProcessId, {}};
    EnumWindows(&AddWindowOf, reinterpret_cast<LPARAM>(&found));
    return found.windows;
  }

 private:
  PROCESS_INFORMATION process_{};
  double seconds_ = 0, shown_ = 0;
};

// The visible list boxes of a window, left to right.
std::vector<HWND> ListBoxes(HWND window) {
  std::vector<HWND> boxes;
  EnumChildWindows(window, &AddListBox, reinterpret_cast<LPARAM>(&boxes));
  std::ranges::sort(boxes, {}, [](HWND box) {
    RECT place{};
    GetWindowRect(box, &place);
    return place.left;
  });
  return boxes;
}

// Selects the entry that begins with text in a box of the window as the
// user's click does, once the box is there.
bool Choose(HWND window, std::size_t box, const std::string& text) {
  return WaitUntil(10'000, [&] {
    const std::vector<HWND> boxes = ListBoxes(window);
    if (box >= boxes.size()) return false;
    const LRESULT entry =
        SendMessageA(boxes[box], LB_FINDSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (entry == LB_ERR) return false;
    SendMessageA(boxes[box], LB_SETCURSEL, WPARAM(entry), 0);
    SendMessageA(GetParent(boxes[box]), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(boxes[box]), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(boxes[box]));
    return true;
  });
}

bool Holds(HWND window, LRESULT count) {
  return std::ranges::any_of(ListBoxes(window), [count](HWND box) {
    return SendMessageA(box, LB_GETCOUNT, 0, 0) == count;
  });
}

// Opens "c:\a\b\" box by box, each folder's entry clicked once its box is there.
bool OpenPath(HWND window, const std::string& folder) {
  std::size_t box = 0, from = 0;
  for (std::size_t end; (end = folder.find('\\', from)) != std::string::npos; from = end + 1) {
    std::string name = folder.substr(from, end - from);
    std::ranges::transform(name, name.begin(), [](char c) { return char(std::tolower(c)); });
    if (!Choose(window, box++, name)) return false;
  }
  return true;
}

// A program folder of its own, root's "<name>\": a configuration that opens
// nothing and greets no one.
std::string ProgramFolder(const std::string& root, const std::string& programs,
                          const std::string& name, bool rememberPath) {
  const std::string folder = root + name + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  Config config;
  config.width = 3000, config.height = 6000, config.left = 450, config.top = 600;
  config.options.rememberPath = rememberPath;
  win32::Win32FileSystem().SaveFile(folder + kConfigFile, ConfigText(config));
  CopyFileA((programs + "Vantiro.exe").c_str(), (folder + "Vantiro.exe").c_str(), FALSE);
  return folder;
}

double Median(std::vector<double> values) {
  std::ranges::sort(values);
  return values[values.size() / 2];
}

// Milliseconds since this process was made.
double MsSinceCreated() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](FILETIME time) {
    return ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart;
  };
  return static_cast<double>(ticks(now) - ticks(created)) / 1e4;
}

// Runs this program again as "bench_win32 --start-phases", which prints
// where a start goes, from a folder of its own.
void PrintStartPhases(const std::string& self, const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::string line = "\"" + self + "\" --start-phases";
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                      &startup, &process))
    return;
  WaitForSingleObject(process.hProcess, 30'000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// A start that remembers "files big\": to the idle window against a bare
// window, and the window's worst answer until the 100,000 files are listed.
bool StartRemembering(const std::string& root, const std::string& programs,
                      const std::string& baseline) {
  const std::string folder = ProgramFolder(root, programs, "remember", true);
  const std::string vantiro = "\"" + folder + "Vantiro.exe\"";
  {
    const Started first(vantiro, folder);  // its close remembers the chain
    const std::vector<HWND> windows = first.Windows();
    if (windows.empty() || !OpenPath(windows.front(), root + "files big\\") ||
        !WaitUntil(60'000, [&] { return Holds(windows.front(), 100'000); }))
      return false;
  }
  std::vector<double> remembering, bare, shown, bareShown, worst;
  bool listed = true;
  for (int pair = 0; pair < 5; ++pair) {
    const Started program(vantiro, folder);
    remembering.push_back(program.Seconds());
    shown.push_back(program.ShownSeconds());
    const std::vector<HWND> windows = program.Windows();
    if (windows.empty()) return false;
    AnswerWatch answers(windows.front());
    listed = WaitUntil(60'000, [&] { return Holds(windows.front(), 100'000); }) && listed;
    worst.push_back(answers.Worst());
    const Started alone(baseline, folder);
    bare.push_back(alone.Seconds());
    bareShown.push_back(alone.ShownSeconds());
  }
  std::printf(
      "start remembering 100000 files, median of 5: to a shown window %.0f ms, a bare window "
      "%.0f ms, ratio %.2f; to an idle window %.0f ms, a bare window %.0f ms, ratio %.2f; worst "
      "answer until they are listed %.0f ms\n",
      Median(shown) * 1e3, Median(bareShown) * 1e3, Median(shown) / Median(bareShown),
      Median(remembering) * 1e3, Median(bare) * 1e3, Median(remembering) / Median(bare),
      *std::ranges::max_element(worst) * 1e3);
  return listed;
}

bool IsDialog(HWND window) {
  char name[8] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpA(name, "#32770") == 0;
}

// Favorites holding one favourite; damaged, 4 GB of zero bytes follow it.
void WriteFavorites(const std::string& folder, bool damaged) {
  const win32::UniqueFile file(CreateFileA((folder + "Favorites").c_str(), GENERIC_WRITE, 0,
                                           nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  const std::string line = "\"c:\\\"\r\n";
  DWORD written = 0;
  WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  if (!damaged) return;
  SetFilePointerEx(file.get(), LARGE_INTEGER{.QuadPart = 4LL << 30}, nullptr, FILE_BEGIN);
  SetEndOfFile(file.get());
}

// A start and a close on a damaged Favorites of 4 GB, whose message is
// answered, against the same favourite alone: the memory's high-water mark
// once the window is idle, and the time to the end after the close.
bool DamagedFavorites(const std::string& root, const std::string& programs) {
  const std::string folder = ProgramFolder(root, programs, "damaged", false);
  std::vector<double> memory[2], close[2];
  bool shown = true;
  for (int pair = 0; pair < 5; ++pair) {
    for (const bool damaged : {false, true}) {
      WriteFavorites(folder, damaged);
      const Started program("\"" + folder + "Vantiro.exe\"", folder);
      for (HWND window : program.Windows()) {
        if (IsDialog(window)) PostMessageA(window, WM_COMMAND, IDOK, 0);
      }
      shown = WaitUntil(10'000,
                        [&] {
                          const std::vector<HWND> windows = program.Windows();
                          return !windows.empty() && !IsDialog(windows.front());
                        }) &&
              shown;
      memory[damaged].push_back(program.PeakMegabytes());
      close[damaged].push_back(program.Close());
    }
  }
  std::printf(
      "a damaged Favorites of 4 GB, median of 5: high-water mark %.1f MB, one favourite alone "
      "%.1f MB, %.1f MB more; the close %.0f ms, alone %.0f ms, ratio %.2f\n",
      Median(memory[1]), Median(memory[0]), Median(memory[1]) - Median(memory[0]),
      Median(close[1]) * 1e3, Median(close[0]) * 1e3, Median(close[1]) / Median(close[0]));
  return shown;
}

}  // namespace

int StartPhases() {
  const double loaded = MsSinceCreated();
  win32::Win32WindowSystem ws;
  win32::Win32FileSystem fs;
  const double system = MsSinceCreated();
  const win32::WicPictureDecoder pictures;
  Form1 form(ws, ws, fs, pictures);
  const double built = MsSinceCreated();
  form.Start();
  const double started = MsSinceCreated();
  DoEvents();
  const double idle = MsSinceCreated();
  std::printf(
      "a start in phases: loaded %.0f ms, window system %.0f ms, main window built %.0f ms, "
      "started %.0f ms, painted and idle %.0f ms: %.0f ms\n",
      loaded, system - loaded, built - system, started - built, idle - started, idle);
  std::fflush(stdout);
  return 0;
}

bool StartAndMemory(const std::string& root) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string programs = self;
  programs.resize(programs.find_last_of('\\') + 1);
  const std::string folder = ProgramFolder(root, programs, "start", false);
  const std::string baseline = "\"" + programs + "bench_baseline.exe\"";

  std::vector<double> vantiro, bare, ratios;
  for (int pair = 0; pair < 15; ++pair) {
    vantiro.push_back(Started("\"" + folder + "Vantiro.exe\"", folder).Seconds());
    bare.push_back(Started(baseline, folder).Seconds());
    ratios.push_back(vantiro.back() / bare.back());
  }
  // Starts under Wine come fast or slow, whichever program it is: both the
  // median of the pairs' ratios and the ratio of the medians are shown.
  std::printf(
      "start to an idle window, median of 15: %.0f ms, a bare window %.0f ms, ratio %.2f "
      "(median of the pairs' ratios %.2f)\n",
      Median(vantiro) * 1e3, Median(bare) * 1e3, Median(vantiro) / Median(bare), Median(ratios));
  for (int run = 0; run < 3; ++run) PrintStartPhases(self, folder);

  const std::string big = root + "files big\\";
  const Started program("\"" + folder + "Vantiro.exe\"", folder);
  const std::vector<HWND> windows = program.Windows();
  const bool listed = !windows.empty() && OpenPath(windows.front(), big) &&
                      WaitUntil(60'000, [&] { return Holds(windows.front(), 100'000); });
  const double atStart = Started("\"" + folder + "Vantiro.exe\"", folder).PeakMegabytes();
  const Started rows(baseline + " \"" + big.substr(0, big.size() - 1) + "\"", folder);
  std::printf(
      "memory's high-water mark, 100000 files listed: %.1f MB (%.1f MB at start), "
      "a list box holding them %.1f MB, ratio %.2f\n",
      program.PeakMegabytes(), atStart, rows.PeakMegabytes(),
      program.PeakMegabytes() / rows.PeakMegabytes());
  return StartRemembering(root, programs, baseline) && DamagedFavorites(root, programs) && listed;
}

}  // namespace vantiro::bench
