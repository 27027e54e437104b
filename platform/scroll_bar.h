// A horizontal scroll bar over a range of whole numbers. The arrows move the
// value by the small change, a click beside the thumb by the large change.
#pragma once

#include <functional>

#include "platform/control.h"

namespace vantiro {

class ScrollBar : public Control {
 public:
  struct Events {
    // The value has changed: by the arrows, the track, the end of a thumb
    // drag, or SetValue.
    std::function<void()> change;
    // The thumb is being dragged: the value follows it.
    std::function<void()> scroll;
  };

  // Value stays within the range: a new range moves it in.
  virtual void SetRange(int min, int max) = 0;
  virtual int Value() const = 0;
  // Runs change when the value differs, as a move by the user does.
  virtual void SetValue(int value) = 0;
  virtual void SetChanges(int smallChange, int largeChange) = 0;
};

}  // namespace vantiro
