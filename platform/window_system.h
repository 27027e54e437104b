// The window system as the program sees it: top-level windows and their
// controls, a timer, message and input boxes. Lengths are twips; the adapter
// converts to pixels. Nothing here names a platform type.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/executor.h"
#include "platform/window.h"

namespace vantiro {

// Message box styles and answers; the values are those of the classic
// message box, so they pass through unchanged.
namespace msgbox {
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kRetry = 4;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace msgbox

// The help viewer's command that shows the contents of a help file.
inline constexpr unsigned kHelpContents = 3;

// The system's colour dialog, asked exactly this: the window that owns it,
// the colour it starts on, the sixteen custom colours it offers and its
// flags (kPreventFullOpen: no defining of custom colours).
struct ColorDialogRecord {
  static constexpr std::uint32_t kPreventFullOpen = 4;
  std::uintptr_t owner = 0;
  Color rgbResult = 0;
  std::array<Color, 16> customColors{};
  std::uint32_t flags = 0;
};

class Timer {
 public:
  virtual ~Timer() = default;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

// Windows, timers, message and input boxes. Work away from the window's
// thread goes through the Executor, handed to those who need it apart.
class WindowSystem {
 public:
  // A new hidden top-level window.
  virtual std::unique_ptr<Window> CreateTopWindow(WindowDesign design, Window::Events events) = 0;
  // A timer that calls tick every intervalMs while enabled; starts disabled.
  virtual std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) = 0;

  // Returns one of the msgbox answers.
  virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;
  // Returns the text typed, or "" when the user cancels.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;
  // The colour confirmed, or nullopt when the user cancels.
  virtual std::optional<Color> PickColor(const ColorDialogRecord& record) = 0;

  virtual int TwipsPerPixelX() const = 0;
  virtual int TwipsPerPixelY() const = 0;
  virtual Twips ScreenWidth() const = 0;
  virtual Twips ScreenHeight() const = 0;
  // The part of the screen that windows may take: the screen less its task
  // bar and docked bars.
  struct Area {
    Twips left = 0, top = 0, width = 0, height = 0;
  };
  virtual Area WorkArea() const = 0;

  virtual void Beep() = 0;
  // Ends the program: nothing of it runs after the current event returns.
  virtual void Quit() = 0;
};

}  // namespace vantiro
