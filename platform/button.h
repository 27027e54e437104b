// A push button. A window's default button also answers Enter, its cancel
// button Escape.
#pragma once

#include <functional>
#include <string>

#include "platform/control.h"

namespace vantiro {

enum class ButtonRole { Plain, Default, Cancel };

class Button : public Control {
 public:
  struct Events {
    std::function<void()> click;
  };

  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Shows a small picture of the program's own (a resource name) instead
  // of the caption.
  virtual void SetImage(const std::string& resourceName) = 0;
};

}  // namespace vantiro
