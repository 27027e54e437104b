#include "win32/win32_window_system.h"

#include <commdlg.h>

#include <algorithm>
#include <thread>

#include "win32/input_box.h"
#include "win32/loop_waits.h"
#include "win32/system_library.h"
#include "win32/top_window.h"
#include "win32/wide_text.h"
#include "win32/window_binding.h"
#include "win32/window_timer.h"

namespace vantiro::win32 {

namespace {
constexpr UINT kWake = WM_APP;
}  // namespace

Win32WindowSystem::Win32WindowSystem() : scale_(ScreenScale()) {
  CreateWindowExW(0, BoundWindowClass<Win32WindowSystem>(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                  nullptr, GetModuleHandleW(nullptr), this);
}

void Win32WindowSystem::RunToQuit() {
  RunWhile([] { return true; });
  // Take the quit message Quit posted, if it is still waiting.
  MSG msg{};
  PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// Between messages the loop runs the work of the handles it waits on.
void Win32WindowSystem::RunWhile(const std::function<bool()>& going) {
  MSG msg{};
  while (!quitting_ && going()) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitForMessageOrHandle();
      continue;
    }
    if (msg.message == WM_QUIT) return;
    if (msg.hwnd == wake_.get() && msg.message == kWake) {
      RunPosted();
      continue;
    }
    DispatchQueued(msg);
    if (missed_) RunPosted();
  }
}

// A thread of its own that nothing joins: one stuck on a drive that does not
// answer never holds up the window, nor the end of the process.
void Win32WindowSystem::Run(std::function<void()> job) { std::thread(std::move(job)).detach(); }

void Win32WindowSystem::Post(std::function<void()> work) {
  const std::scoped_lock lock(postedLock_);
  if (posted_.empty()) PostMessageW(wake_.get(), kWake, 0, 0);
  posted_.push_back(std::move(work));
}

// A thread of its own waits, so that nothing on the window's thread does.
void Win32WindowSystem::PostAfter(int milliseconds, std::function<void()> work) {
  Run([this, milliseconds, work = std::move(work)]() mutable {
    Sleep(static_cast<DWORD>(std::max(milliseconds, 0)));
    Post(std::move(work));
  });
}

// Work that shows a message box may miss the wakes of work posted
// meanwhile: that is run in the same round.
void Win32WindowSystem::RunPosted() {
  do {
    missed_ = false;
    std::deque<std::function<void()>> work;
    {
      const std::scoped_lock lock(postedLock_);
      work.swap(posted_);
    }
    for (auto& step : work) {
      if (!quitting_) step();
    }
  } while (missed_ && !quitting_);
}

// A wake that reaches the window's procedure was taken by another loop.
LRESULT Win32WindowSystem::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kWake) return DefWindowProcW(hwnd, message, wParam, lParam);
  missed_ = true;
  return 0;
}

void Win32WindowSystem::Quit() {
  quitting_ = true;
  PostQuitMessage(0);
}

std::unique_ptr<Window> Win32WindowSystem::CreateTopWindow(WindowDesign design,
                                                           Window::Events events) {
  return std::make_unique<TopWindow>(std::move(design), std::move(events), scale_);
}

std::unique_ptr<Timer> Win32WindowSystem::CreateTimer(int intervalMs, std::function<void()> tick) {
  return std::make_unique<WindowTimer>(intervalMs, std::move(tick));
}

int Win32WindowSystem::MsgBox(const std::string& text, int style, const std::string& title) {
  return MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(title).c_str(),
                     static_cast<UINT>(style));
}

std::string Win32WindowSystem::InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) {
  return RunInputBox(GetActiveWindow(), prompt, title, defaultText);
}

std::optional<Color> Win32WindowSystem::PickColor(const ColorDialogRecord& record) {
  std::array<COLORREF, 16> custom{};
  std::ranges::copy(record.customColors, custom.begin());
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = reinterpret_cast<HWND>(record.owner);
  dialog.hInstance = reinterpret_cast<HWND>(GetModuleHandleW(nullptr));
  dialog.rgbResult = record.rgbResult;
  dialog.lpCustColors = custom.data();
  dialog.Flags = record.flags;
  static const auto choose =
      SystemFunction<decltype(ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
  if (!choose || choose(&dialog) == 0) return std::nullopt;
  return dialog.rgbResult;
}

Twips Win32WindowSystem::ScreenWidth() const {
  return scale_.XToTwips(GetSystemMetrics(SM_CXSCREEN));
}

Twips Win32WindowSystem::ScreenHeight() const {
  return scale_.YToTwips(GetSystemMetrics(SM_CYSCREEN));
}

WindowSystem::Area Win32WindowSystem::WorkArea() const {
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {scale_.XToTwips(work.left), scale_.YToTwips(work.top),
          scale_.XToTwips(work.right - work.left), scale_.YToTwips(work.bottom - work.top)};
}

void Win32WindowSystem::Beep() { MessageBeep(MB_OK); }

}  // namespace vantiro::win32
