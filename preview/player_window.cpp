#include "preview/player_window.h"

namespace vantiro {
namespace {

// One strip of buttons high; the width follows the main window.
constexpr Twips kDesignClientWidth = 4410;
constexpr Twips kDesignClientHeight = 315;

}  // namespace

Form3::Form3(WindowSystem& ws) {
  Window::Events events;
  events.unload = [this] { Form_Unload(); };
  window_ = ws.CreateTopWindow(
      {"Player", WindowKind::FixedToolWindow, kDesignClientWidth, kDesignClientHeight, {}},
      std::move(events));
  mmControl1_ = window_->CreateMediaPlayer();
  mmControl1_->Move(0, 0, kDesignClientWidth, kDesignClientHeight);
  mmControl1_->SetVisible(true);
}

void Form3::Form_Unload() {
  mmControl1_->SetCommand("Close");
  unloaded_ = true;
}

}  // namespace vantiro
