// The Wine benchmarks: the program's way through the Win32 adapter against
// the raw Win32 calls on the same folder in the same run, printed as ratios.
// Each takes a folder ending in "\" and makes there what it lacks. Under Wine
// every new name costs a scan of the whole folder, so the big folders are
// better made natively first: bench/win32/run_bench.sh does that.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "bench/core/measure.h"
#include "browser/browser.h"
#include "win32/top_window.h"
#include "win32/wic_pictures.h"
#include "win32/win32_window_system.h"

namespace vantiro::bench {

// Another thread keeps asking the window for an answer, as another program
// would, and keeps the longest wait.
class AnswerWatch {
 public:
  explicit AnswerWatch(HWND window)
      : thread_([this, window] {
          while (!stop_) {
            const auto asked = std::chrono::steady_clock::now();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            worst_ = std::max(worst_.load(), Seconds(asked));
            Sleep(5);
          }
        }) {}
  ~AnswerWatch() {
    stop_ = true;
    thread_.join();
  }
  double Worst() const { return worst_; }

 private:
  static double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
  }
  std::atomic<bool> stop_ = false;
  std::atomic<double> worst_ = 0;
  std::thread thread_;
};

// Down held on a list as the keyboard repeats it, 30 times a second, from
// another thread; typed() once the key is let go.
class HeldDown {
 public:
  HeldDown(HWND list, int repeats)
      : thread_([this, list, repeats] {
          for (int i = 0; i < repeats; ++i, Sleep(33)) PostMessageA(list, WM_KEYDOWN, VK_DOWN, 1);
          typed_ = true;
          PostMessageA(list, WM_KEYUP, VK_DOWN, 0xC0000001);
        }) {}
  ~HeldDown() { thread_.join(); }
  bool typed() const { return typed_; }

 private:
  std::atomic<bool> typed_ = false;
  std::thread thread_;
};

// The CPU this process has taken so far, in the kernel and out of it.
inline double ProcessCpuSeconds() {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  const auto seconds = [](FILETIME time) {
    return static_cast<double>(ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart) /
           1e7;
  };
  return seconds(kernel) + seconds(user);
}

// Lets the window events waiting run (paint, timer ticks).
inline void DoEvents() {
  for (MSG msg{}; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) win32::DispatchQueued(msg);
}

// Runs the window's loop while going() holds, for at most so many ms.
inline void RunFor(win32::Win32WindowSystem& ws, DWORD most, const std::function<bool()>& going) {
  const UINT_PTR tick = SetTimer(nullptr, 0, 50, nullptr);  // wakes the loop to look at the clock
  const DWORD start = GetTickCount();
  ws.RunWhile([&] { return going() && GetTickCount() - start < most; });
  KillTimer(nullptr, tick);
}

// Sub-folders "folder 000000"... in "small\" (10,000) and "big\" (100,000),
// filled into a real list box and measured.
bool FillFolderBox(win32::Win32WindowSystem& ws, const std::string& root);

// Files "file 000000.txt"... in "files small\" (10,000) and "files big\"
// (100,000), and pages "page 0000.html" of 50 KB in "web\" (1,000), opened
// by a click in Form1 as are the sub-folders of FillFolderBox; then Down
// held over the 200 folders of "keys\" (500 files each).
bool ListFilesOfFolder(win32::Win32WindowSystem& ws, const std::string& root);

// Opens a folder box by box, waiting for each; the box that lists its
// sub-folders, or -1.
int OpenFolder(win32::Win32WindowSystem& ws, Browser& browser, const std::string& folder);

// Selects an entry as a click does, and runs the window's loop until the
// folder it opens is read; false when the box has no such entry.
bool Choose(win32::Win32WindowSystem& ws, Browser& browser, int box, int entry,
            const std::string& text);

// Makes the folder the program runs from in the benchmarks, and goes there:
// a configuration that remembers the path, opens nothing yet and greets no
// one, and 10,000 favourites.
bool MakeProgramFolder(const std::string& folder);

// "big.jpg" (6000 x 4000) and "big.bmp" (4000 x 3000) in "pictures\",
// clicked in the file list until the viewer shows them, then the JPEG
// zoomed; then the details of text files of 64 KB and 4 GB in "details\".
bool PreviewPictures(win32::Win32WindowSystem& ws, const std::string& root);

// Box 0 rebuilt with the favourites, and a folder opened 40 levels deep,
// under "deep\".
bool BrowseAtScale(win32::Win32WindowSystem& ws, const std::string& root);

// A paste of 10,000 files of "files small\" (ListFilesOfFolder makes them)
// against the shell's copy alone; then folders of huge and of small pages
// left while their titles are read.
bool OperateAtScale(win32::Win32WindowSystem& ws, const std::string& root);

// Vantiro.exe started from a program folder of its own, under "start\",
// against bench_baseline.exe beside this program: to an idle window, and
// the memory after listing "files big\" (ListFilesOfFolder makes it).
bool StartAndMemory(const std::string& root);
// What "bench_win32 --start-phases" runs: a main window started, with the
// time each step took printed.
int StartPhases();

}  // namespace vantiro::bench
