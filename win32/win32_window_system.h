// The window system of the program on Win32: windows, timers, message and
// input boxes, and the message loop.
#pragma once

#include <windows.h>

#include "platform/window_system.h"
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
class Win32WindowSystem final : public WindowSystem {
 public:
  Win32WindowSystem();

  // Dispatches messages until Quit; returns the process's exit code.
  int Run();

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
  void DoEvents() override;
  void Quit() override;

 private:
  OleSession ole_;  // first in, last out: the windows' drop targets need it
  Scale scale_;
  bool quitting_ = false;
};

}  // namespace vantiro::win32
