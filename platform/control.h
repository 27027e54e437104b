// What every child control of a window has: a place and a size in twips
// within its host's client area, visibility, an enabled state, the keyboard
// focus and a tooltip; and the events and painting several kinds share.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace vantiro {

using Twips = std::int32_t;

// Lengths are worked out in 64 bits and handed to the window system in 32:
// a folder chain as deep as a path can be fits with room to spare.
inline Twips ClampTwips(std::int64_t twips) {
  return static_cast<Twips>(std::clamp<std::int64_t>(twips, std::numeric_limits<Twips>::min(),
                                                     std::numeric_limits<Twips>::max()));
}

// A colour: &H00BBGGRR, or &H800000nn for system colour nn.
using Color = std::uint32_t;

// Mouse buttons as event handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// Shift states as event handlers receive them, added together.
inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;

struct MouseEvent {
  int button = 0;  // kLeftButton, kRightButton, or 0 while moving with none
  int shift = 0;   // kShiftKey, kCtrlKey, kAltKey
  Twips x = 0;     // relative to the control
  Twips y = 0;
};

// A key pressed (keyCode a virtual key code), or a character typed
// (keyCode its Unicode code point, whatever the keyboard or input method).
struct KeyEvent {
  int keyCode = 0;
  int shift = 0;
  std::uint32_t time = 0;  // when, in ms of a clock that wraps
};

// Virtual key codes.
namespace key {
inline constexpr int kBack = 8;
inline constexpr int kReturn = 13;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kF2 = 113;
inline constexpr int kA = 'A';
}  // namespace key

class PictureBox;

// Drawing on a control while it paints, in twips from its top left corner.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(Twips left, Twips top, Twips width, Twips height, Color color) = 0;
  // The dotted rectangle that shows the keyboard focus.
  virtual void DrawFocusRect(Twips left, Twips top, Twips width, Twips height) = 0;
  // The picture of a picture box at its natural size, its top left there.
  virtual void DrawPicture(const PictureBox& source, Twips left, Twips top) = 0;
};

class Control {
 public:
  virtual ~Control() = default;

  virtual Twips Left() const = 0;
  virtual Twips Top() const = 0;
  virtual Twips Width() const = 0;
  virtual Twips Height() const = 0;
  virtual void SetLeft(Twips left) = 0;
  virtual void SetTop(Twips top) = 0;
  virtual void SetWidth(Twips width) = 0;
  virtual void SetHeight(Twips height) = 0;
  // Places and sizes the control in one step.
  virtual void Move(Twips left, Twips top, Twips width, Twips height) = 0;

  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool HasFocus() const = 0;
  virtual void SetFocus() = 0;
  // Shown while the mouse rests on the control; "" shows none.
  virtual void SetToolTip(const std::string& text) = 0;
};

}  // namespace vantiro
