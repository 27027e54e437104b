// The options are the check marks of their menu entries; each takes effect
// at once and reaches the configuration file at the next save.
#include "app/form1.h"

namespace vantiro {

void Form1::mnuRememberPath_Click() {
  window_->SetMenuChecked(menu::mnuRememberPath, !window_->MenuChecked(menu::mnuRememberPath));
}

void Form1::mnuAnimation_Click() {
  window_->SetMenuChecked(menu::mnuAnimation, !window_->MenuChecked(menu::mnuAnimation));
}

void Form1::mnuAutoPlay_Click() {
  window_->SetMenuChecked(menu::mnuAutoPlay, !window_->MenuChecked(menu::mnuAutoPlay));
}

// Modeless: the main window stays usable. Nothing covers the dialog while
// it is open; an open one is only brought forward.
void Form1::mnuSizeColors_Click() {
  ClearAllTopMost();
  if (!form4()) {
    form4_ = std::make_unique<Form4>(ws_, *this);
    form4_->Form_Load();
  }
  form4_->window().Show();
  form4_->window().SetFocus();
}

}  // namespace vantiro
