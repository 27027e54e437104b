// The classic multimedia control: a strip of transport buttons (previous,
// next, play, pause, back, step, stop, record, eject) that drives one
// multimedia device. Each button is enabled only while the device's mode
// allows it, and the strip follows the mode as the device plays on.
#pragma once

#include <string>

#include "platform/control.h"

namespace vantiro {

// Device modes, as the multimedia devices report them.
inline constexpr int kModeNotOpen = 524;
inline constexpr int kModeStopped = 525;
inline constexpr int kModePlaying = 526;

class MediaPlayer : public Control {
 public:
  virtual int Mode() const = 0;
  // Runs a command on the device: "Open" (the device type and file name set
  // before), "Close", "Play", "Pause", "Stop", "Back", "Step", "Prev",
  // "Next", "Record" or "Eject". A command the device refuses changes
  // nothing; the strip stays usable.
  virtual void SetCommand(const std::string& command) = 0;
  // "AVIVideo", "WaveAudio", "Sequencer", ...
  virtual void SetDeviceType(const std::string& deviceType) = 0;
  virtual void SetFileName(const std::string& fileName) = 0;
  // Wait and Notify apply to the next command alone: Wait returns when it
  // has finished, Notify asks to hear when it does. Shareable lets other
  // programs open the same device while it is open here.
  virtual void SetNotify(bool notify) = 0;
  virtual void SetWait(bool wait) = 0;
  virtual void SetShareable(bool shareable) = 0;
};

}  // namespace vantiro
