// A control of the program's own: an area of its own that paints itself,
// takes the focus and keys, and holds child controls of its own.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/control.h"
#include "platform/control_host.h"

namespace vantiro {

struct UserControlEvents {
  std::function<void()> resize;  // its size changed
  std::function<void(Canvas&)> paint;
  std::function<void(const KeyEvent&)> keyDown;
  std::function<void()> gotFocus;
  std::function<void()> lostFocus;
  std::function<void(const MouseEvent&)> mouseDown;
};

class UserControl : public Control, public ControlHost {
 public:
  using Events = UserControlEvents;

  // The inside size, for laying out the children.
  virtual Twips ClientWidth() const = 0;
  virtual Twips ClientHeight() const = 0;
  // Paints the control again soon.
  virtual void Refresh() = 0;
  // The window system's own handle of the control, for the dialogs it owns.
  virtual std::uintptr_t SystemHandle() const = 0;
};

}  // namespace vantiro
