// The player: a fixed tool window under the main window holding nothing but
// the transport strip of the multimedia control, which plays one sound or
// video at a time. Closing it closes the device, and the sound stops.
#pragma once

#include <memory>

#include "platform/window_system.h"

namespace vantiro {

class Form3 {
 public:
  explicit Form3(WindowSystem& ws);

  Window& window() { return *window_; }
  MediaPlayer& MMControl1() { return *mmControl1_; }
  // Closed by its close box; the next sound or video makes a new one.
  bool unloaded() const { return unloaded_; }
  bool Playing() const { return mmControl1_->Mode() == kModePlaying; }

  void Form_Unload();

 private:
  std::unique_ptr<Window> window_;
  std::unique_ptr<MediaPlayer> mmControl1_;
  bool unloaded_ = false;
};

}  // namespace vantiro
