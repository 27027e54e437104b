// The window system of the program on Win32: windows, timers, message and
// input boxes, and the message loop.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

#include "platform/window_system.h"
#include "win32/handles.h"
#include "win32/units.h"

namespace vantiro::win32 {

// OLE on this thread, which drop targets need; undone only if it was done.
class OleSession {
 public:
  OleSession() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialized_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool initialized_;
};

// Outlives every window it creates.
class Win32WindowSystem final : public WindowSystem, public Executor {
 public:
  Win32WindowSystem();

  // Dispatches messages until Quit.
  void RunToQuit();
  // Dispatches messages, posted work included, while going() holds.
  void RunWhile(const std::function<bool()>& going);

  std::unique_ptr<Window> CreateTopWindow(WindowDesign design, Window::Events events) override;
  std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) override;

  int MsgBox(const std::string& text, int style, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  std::optional<Color> PickColor(const ColorDialogRecord& record) override;

  int TwipsPerPixelX() const override { return scale_.twipsPerPixelX; }
  int TwipsPerPixelY() const override { return scale_.twipsPerPixelY; }
  Twips ScreenWidth() const override;
  Twips ScreenHeight() const override;
  Area WorkArea() const override;

  void Beep() override;
  void Run(std::function<void()> job) override;
  void Post(std::function<void()> work) override;
  void PostAfter(int milliseconds, std::function<void()> work) override;
  void Quit() override;

  // Its wake window, bound as every window of the program's classes is.
  static constexpr const wchar_t* kClassName = L"VantiroWake";
  void Attach(HWND hwnd) { wake_.reset(hwnd); }
  void Detach() { static_cast<void>(wake_.release()); }
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // Work posted from any thread waits in posted_; one wake message on
  // wake_ stands for all of it. The loop of Run runs it itself; a wake that
  // a message box's own loop took is noted in missed_ and made up for once
  // the event that showed the box returns.
  void RunPosted();

  OleSession ole_;  // first in, last out: the windows' drop targets need it
  Scale scale_;
  bool quitting_ = false;
  UniqueWindow wake_;
  std::mutex postedLock_;
  std::deque<std::function<void()>> posted_;
  bool missed_ = false;
};

}  // namespace vantiro::win32
