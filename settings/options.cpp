// The options are the check marks of their menu entries; each takes effect
// at once and reaches the configuration file at the next save.
#include "app/form1.h"

namespace vantiro {

void Form1::mnuRememberPath_Click() {
  window_->SetMenuChecked("mnuRememberPath", !window_->MenuChecked("mnuRememberPath"));
}

void Form1::mnuAnimation_Click() {
  window_->SetMenuChecked("mnuAnimation", !window_->MenuChecked("mnuAnimation"));
}

void Form1::mnuAutoPlay_Click() {
  window_->SetMenuChecked("mnuAutoPlay", !window_->MenuChecked("mnuAutoPlay"));
}

}  // namespace vantiro
