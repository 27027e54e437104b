// A line or block of text that the user cannot change.
#pragma once

#include <string>

#include "platform/control.h"

namespace vantiro {

class Label : public Control {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
};

}  // namespace vantiro
