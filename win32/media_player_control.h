// The transport strip: a child window of its own class holding nine drawn
// push buttons that drive one multimedia device. A button is enabled only
// while the device's mode allows it; a timer follows the mode while a file
// is open.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "platform/media_player.h"
#include "win32/child_control.h"
#include "win32/mci_device.h"

namespace vantiro::win32 {

class MediaPlayerControl final : public ChildWindow<MediaPlayer> {
 public:
  static constexpr const wchar_t* kClassName = L"VantiroMediaPlayer";
  enum Button { Prev, Next, Play, Pause, Back, Step, Stop, Record, Eject, kButtons };

  explicit MediaPlayerControl(const ChildParts& parts);
  ~MediaPlayerControl() override;

  int Mode() const override { return device_.Mode(); }
  void SetCommand(const std::string& command) override;
  void SetDeviceType(const std::string& deviceType) override { deviceType_ = deviceType; }
  void SetFileName(const std::string& fileName) override { fileName_ = fileName; }
  void SetNotify(bool notify) override { notify_ = notify; }
  void SetWait(bool wait) override { wait_ = wait; }
  void SetShareable(bool shareable) override { shareable_ = shareable; }

  HWND button(Button which) const { return buttons_[which]; }

  // For the window procedure.
  void Attach(HWND hwnd) { Own(hwnd); }
  void Detach() { Abandon(); }
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Run(Button which, MciDevice::Flags flags);
  void LayOut();
  void FollowMode();
  void DrawButton(const DRAWITEMSTRUCT& item) const;

  MciDevice device_;
  std::array<HWND, kButtons> buttons_{};
  std::string deviceType_, fileName_;
  bool notify_ = false, wait_ = false, shareable_ = false;
};

}  // namespace vantiro::win32
