// Shared by the adapter tests: a window system with a hidden window, modal
// boxes answered from a hook, and messages pumped for a bounded time.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "win32/list_box_control.h"
#include "win32/top_window.h"
#include "win32/wide_text.h"
#include "win32/win32_window_system.h"

namespace vantiro::win32::testing {

// Calls answer(dialog) once, when the next dialog box of this thread is
// activated; the answer must end the dialog.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::function<void(HWND)> answer)
      : hook_(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) {
    answer_ = std::move(answer);
  }
  ~DialogAnswerer() {
    UnhookWindowsHookEx(hook_);
    answer_ = {};
  }
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  bool answered() const { return !answer_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<HWND>(wParam);
    wchar_t name[16] = {};
    if (code == HCBT_ACTIVATE && answer_ && GetClassNameW(window, name, std::size(name)) &&
        std::wstring_view(name) == L"#32770") {
      std::exchange(answer_, {})(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline std::function<void(HWND)> answer_;
  HHOOK hook_;
};

inline void Press(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

inline std::string WindowText(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, static_cast<int>(std::size(text)));
  return Utf8(text);
}

// The size of a window's client area, in pixels.
using Pixels = std::pair<LONG, LONG>;
inline Pixels ClientSize(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return {r.right, r.bottom};
}

// This program's own path: a file the shell knows.
inline std::string SelfPath() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return Utf8(self);
}

inline HWND HandleOf(Window& window) { return static_cast<TopWindow&>(window).handle(); }
inline HWND HandleOf(Control& control) { return dynamic_cast<ChildControl&>(control).handle(); }

// A name in three scripts, the caption of Help's one item.
inline constexpr const char* kScripts = "Ελλάδα Москва 日本";

struct MenuClicks {
  int refresh = 0;
  int filters = 0;
  int rename = 0;
};

// A hidden window of 400 x 300 pixels with the menus File (Options >,
// Files filtering... Ctrl+F, a separator, Refresh F5, Exit Ctrl+F4), Help and
// Min, and the hidden Max, FOLDER and FILE (Rename... F2).
class AdapterTest : public ::testing::Test {
 protected:
  std::unique_ptr<Window> Create(Window::Events events = {}) {
    const auto entry = [](const char* name, const char* caption, std::vector<MenuItem> items = {},
                          bool visible = true, const char* shortcut = "", int* clicks = nullptr) {
      MenuItem item = Visible(Menu(name, caption, std::move(items)), visible);
      item.shortcut = shortcut;
      item.click = [clicks] {
        if (clicks != nullptr) ++*clicks;
      };
      return item;
    };
    const std::vector<MenuItem> options = {entry("mnuAnimation", "Use animation"),
                                           entry("mnuNone12", "-"),
                                           entry("mnuTopMost", "Stay always on top")};
    std::vector<MenuItem> bar = {
        entry("mnuFile1", "File",
              {entry("mnuOptions", "Options", options),
               entry("mnuFilters", "Files filtering...", {}, true, "Ctrl+F", &clicks.filters),
               entry("mnuNone11", "-"),
               entry("mnuRefresh", "Refresh", {}, true, "F5", &clicks.refresh),
               entry("mnuExit", "Exit", {}, true, "Ctrl+F4")}),
        entry("mnuHelp", "Help", {entry("mnuAbout", kScripts)}),
        entry("mnuReduce", "Min"),
        entry("mnuRestore", "Max", {}, false),
        entry("mnuDirFunctions", "FOLDER", {entry("mnuExplore", "Explore")}, false),
        entry("mnuFileFunctions", "FILE",
              {entry("mnuFileRename", "Rename...", {}, true, "F2", &clicks.rename)}, false)};
    // 4493 twips are 299.53 pixels.
    return ws.CreateTopWindow(
        {"Vantiro test", WindowKind::SizableToolWindow, 6000, 4493, std::move(bar)},
        std::move(events));
  }
  HWND hwnd() const { return HandleOf(*window); }

  Win32WindowSystem ws;
  MenuClicks clicks;
  std::unique_ptr<Window> window = Create();
};

}  // namespace vantiro::win32::testing
