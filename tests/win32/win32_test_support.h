// Helpers for the adapter tests: answering modal boxes from a hook, pumping
// messages for a bounded time, and a small menu bar like the program's.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace vantiro::win32::testing {

// Calls answer(dialog) once, when the next dialog box of this thread is
// activated; the answer must end the dialog (post WM_COMMAND IDOK...).
class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::function<void(HWND)> answer);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  bool answered() const { return !answer_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

  std::function<void(HWND)> answer_;
  HHOOK hook_;
};

// Runs ws.DoEvents until done() or the time is up; returns done().
bool PumpUntil(WindowSystem& ws, const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(2));
void PumpFor(WindowSystem& ws, std::chrono::milliseconds time);

std::string WindowText(HWND hwnd);
// The captions of a menu's items, in order.
std::vector<std::string> MenuTexts(HMENU menu);

// Click counters for the menu entries of TestMenuBar.
struct MenuClicks {
  int refresh = 0;
  int filters = 0;
  int rename = 0;
  int explore = 0;
};

// File (Options, Refresh F5, Files filtering Ctrl+F), Help, Min, and the
// hidden Max, FOLDER and FILE menus.
std::vector<MenuItem> TestMenuBar(MenuClicks& clicks);

}  // namespace vantiro::win32::testing
