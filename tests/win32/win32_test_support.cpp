#include "tests/win32/win32_test_support.h"

#include <thread>
#include <utility>

namespace vantiro::win32::testing {
namespace {

DialogAnswerer* current = nullptr;

MenuItem Entry(std::string name, std::string caption, std::string shortcut = {},
               std::function<void()> click = {}) {
  MenuItem item;
  item.name = std::move(name);
  item.caption = std::move(caption);
  item.shortcut = std::move(shortcut);
  item.click = std::move(click);
  return item;
}

MenuItem Menu(std::string name, std::string caption, std::vector<MenuItem> items,
              bool visible = true) {
  MenuItem menu = Entry(std::move(name), std::move(caption));
  menu.items = std::move(items);
  menu.visible = visible;
  return menu;
}

}  // namespace

DialogAnswerer::DialogAnswerer(std::function<void(HWND)> answer)
    : answer_(std::move(answer)),
      hook_(SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) {
  current = this;
}

DialogAnswerer::~DialogAnswerer() {
  UnhookWindowsHookEx(hook_);
  current = nullptr;
}

LRESULT CALLBACK DialogAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && current != nullptr && current->answer_) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770") std::exchange(current->answer_, {})(window);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool PumpUntil(WindowSystem& ws, const std::function<bool()>& done,
               std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done() && std::chrono::steady_clock::now() < end) {
    ws.DoEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return done();
}

void PumpFor(WindowSystem& ws, std::chrono::milliseconds time) {
  PumpUntil(
      ws, [] { return false; }, time);
}

std::string WindowText(HWND hwnd) {
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

std::vector<std::string> MenuTexts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[128] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    texts.emplace_back(text);
  }
  return texts;
}

std::vector<MenuItem> TestMenuBar(MenuClicks& clicks) {
  MenuItem options = Menu("mnuOptions", "Options",
                          {Entry("mnuAnimation", "Use animation"), Entry("mnuNone12", "-"),
                           Entry("mnuTopMost", "Stay always on top")});
  MenuItem file = Menu(
      "mnuFile1", "File",
      {options, Entry("mnuFilters", "Files filtering...", "Ctrl+F", [&] { ++clicks.filters; }),
       Entry("mnuNone11", "-"), Entry("mnuRefresh", "Refresh", "F5", [&] { ++clicks.refresh; }),
       Entry("mnuExit", "Exit", "Ctrl+F4")});
  MenuItem help = Menu("mnuHelp", "Help", {Entry("mnuAbout", "About...")});
  MenuItem restore = Entry("mnuRestore", "Max");
  restore.visible = false;
  MenuItem folder = Menu("mnuDirFunctions", "FOLDER",
                         {Entry("mnuExplore", "Explore", {}, [&] { ++clicks.explore; })}, false);
  MenuItem fileFunctions =
      Menu("mnuFileFunctions", "FILE",
           {Entry("mnuFileRename", "Rename...", "F2", [&] { ++clicks.rename; })}, false);
  return {file, help, Entry("mnuReduce", "Min"), restore, folder, fileFunctions};
}

}  // namespace vantiro::win32::testing
