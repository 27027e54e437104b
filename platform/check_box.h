// A check box with its caption. A click by the user toggles it, then runs
// the click handler; setting it from the program runs nothing.
#pragma once

#include <functional>
#include <string>

#include "platform/control.h"

namespace vantiro {

class CheckBox : public Control {
 public:
  struct Events {
    std::function<void()> click;
  };

  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

}  // namespace vantiro
