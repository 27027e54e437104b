// One multimedia device opened on a file through the Media Control
// Interface (mciSendCommand): open, transport commands, its mode and what
// it can do. Closed with the object.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <string>

namespace vantiro::win32 {

class MciDevice {
 public:
  MciDevice() = default;
  ~MciDevice() { Close(); }
  MciDevice(const MciDevice&) = delete;
  MciDevice& operator=(const MciDevice&) = delete;

  // What the next command is asked: to finish before it returns, to post
  // MM_MCINOTIFY to the window when it finishes.
  struct Flags {
    bool wait = false;
    HWND notify = nullptr;
  };

  // Closes the device open before; false when the file cannot be opened.
  bool Open(const std::string& deviceType, const std::string& path, bool shareable, Flags flags);
  void Close();
  bool IsOpen() const { return id_ != 0; }

  // MCI_MODE_NOT_READY (524) when nothing is open.
  int Mode() const;
  bool CanStep() const { return canStep_; }
  bool CanRecord() const { return canRecord_; }
  bool CanEject() const { return canEject_; }

  // Plays from where the device stands, from the start once it is at the end.
  void Play(Flags flags);
  void Pause(Flags flags);
  void Stop(Flags flags);
  void Step(bool back, Flags flags);
  void Seek(bool toEnd, Flags flags);
  void Record(Flags flags);
  void Eject(Flags flags);

 private:
  MCIERROR Send(UINT message, DWORD_PTR flags, void* params) const;
  DWORD Capability(DWORD item) const;
  DWORD Status(DWORD item) const;

  MCIDEVICEID id_ = 0;
  bool canStep_ = false, canRecord_ = false, canEject_ = false;
};

}  // namespace vantiro::win32
