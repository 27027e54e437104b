// A surface that shows a decoded picture: at its natural size (the control
// takes that size) or stretched to the control's size. The
// program may paint over it, and hears of the mouse, keys and focus on it.
#pragma once

#include <functional>
#include <string>

#include "platform/control.h"
#include "platform/picture.h"

namespace vantiro {

class PictureBox : public Control {
 public:
  struct Events {
    std::function<void()> click;
    std::function<void(const MouseEvent&)> mouseDown;
    std::function<void(const MouseEvent&)> mouseMove;
    std::function<void(const KeyEvent&)> keyDown;
    std::function<void()> gotFocus;
    std::function<void()> lostFocus;
    // After the back colour and the picture are drawn.
    std::function<void(Canvas&)> paint;
  };

  // Replaces the picture; nullptr leaves none. Finer pixels of the same
  // picture take its place as they are.
  virtual void SetPicture(std::shared_ptr<const Picture> picture) = 0;
  // A picture of the program's own, by resource name.
  virtual bool LoadResourcePicture(const std::string& name) = 0;
  // The picture's own size; 0 without one.
  virtual Twips PictureWidth() const = 0;
  virtual Twips PictureHeight() const = 0;

  // Without stretching the control takes the picture's natural size.
  virtual void SetStretch(bool stretch) = 0;
  virtual void SetBackColor(Color color) = 0;
  // Paints the control again soon (the paint event runs then).
  virtual void Refresh() = 0;
};

}  // namespace vantiro
