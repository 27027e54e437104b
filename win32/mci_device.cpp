#include "win32/mci_device.h"

#include <digitalv.h>

#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace vantiro::win32 {
namespace {

DWORD_PTR CommandFlags(MciDevice::Flags flags) {
  return (flags.wait ? MCI_WAIT : 0) | (flags.notify ? MCI_NOTIFY : 0);
}

template <typename Params>
Params WithCallback(MciDevice::Flags flags) {
  Params params{};
  params.dwCallback = reinterpret_cast<DWORD_PTR>(flags.notify);
  return params;
}

}  // namespace

namespace {

MCIERROR SendCommand(MCIDEVICEID id, UINT message, DWORD_PTR flags, void* params) {
  static const auto send =
      SystemFunction<decltype(mciSendCommandW)>(L"winmm.dll", "mciSendCommandW");
  return send ? send(id, message, flags, reinterpret_cast<DWORD_PTR>(params))
              : MCIERR_CANNOT_LOAD_DRIVER;
}

}  // namespace

MCIERROR MciDevice::Send(UINT message, DWORD_PTR flags, void* params) const {
  return id_ == 0 ? MCIERR_INVALID_DEVICE_ID : SendCommand(id_, message, flags, params);
}

bool MciDevice::Open(const std::string& deviceType, const std::string& path, bool shareable,
                     Flags flags) {
  Close();
  const std::wstring type = Wide(deviceType), element = FilePath(path);
  auto params = WithCallback<MCI_OPEN_PARMSW>(flags);
  params.lpstrDeviceType = type.c_str();
  params.lpstrElementName = element.c_str();
  const DWORD_PTR openFlags = CommandFlags(flags) | MCI_OPEN_ELEMENT |
                              (type.empty() ? 0 : MCI_OPEN_TYPE) |
                              (shareable ? MCI_OPEN_SHAREABLE : 0);
  if (SendCommand(0, MCI_OPEN, openFlags, &params) != 0) return false;
  id_ = params.wDeviceID;
  MCI_SET_PARMS format{};
  format.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
  Send(MCI_SET, MCI_SET_TIME_FORMAT, &format);  // a device without it keeps its own
  const DWORD kind = Capability(MCI_GETDEVCAPS_DEVICE_TYPE);
  canStep_ = kind == MCI_DEVTYPE_DIGITAL_VIDEO || kind == MCI_DEVTYPE_ANIMATION ||
             kind == MCI_DEVTYPE_VIDEODISC;
  canRecord_ = Capability(MCI_GETDEVCAPS_CAN_RECORD) != 0;
  canEject_ = Capability(MCI_GETDEVCAPS_CAN_EJECT) != 0;
  return true;
}

void MciDevice::Close() {
  if (id_ == 0) return;
  MCI_GENERIC_PARMS params{};
  Send(MCI_CLOSE, MCI_WAIT, &params);
  id_ = 0;
  canStep_ = canRecord_ = canEject_ = false;
}

DWORD MciDevice::Capability(DWORD item) const {
  MCI_GETDEVCAPS_PARMS params{};
  params.dwItem = item;
  return Send(MCI_GETDEVCAPS, MCI_WAIT | MCI_GETDEVCAPS_ITEM, &params) == 0 ? params.dwReturn : 0;
}

DWORD MciDevice::Status(DWORD item) const {
  MCI_STATUS_PARMS params{};
  params.dwItem = item;
  return Send(MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM, &params) == 0
             ? static_cast<DWORD>(params.dwReturn)
             : 0;
}

int MciDevice::Mode() const {
  if (id_ == 0) return MCI_MODE_NOT_READY;
  const DWORD mode = Status(MCI_STATUS_MODE);
  return mode != 0 ? static_cast<int>(mode) : MCI_MODE_NOT_READY;
}

void MciDevice::Play(Flags flags) {
  const DWORD length = Status(MCI_STATUS_LENGTH);
  if (length != 0 && Status(MCI_STATUS_POSITION) >= length) Seek(false, {true, nullptr});
  auto params = WithCallback<MCI_PLAY_PARMS>(flags);
  Send(MCI_PLAY, CommandFlags(flags), &params);
}

// Pause again and the device goes on where it stopped.
void MciDevice::Pause(Flags flags) {
  auto params = WithCallback<MCI_GENERIC_PARMS>(flags);
  Send(Mode() == MCI_MODE_PAUSE ? MCI_RESUME : MCI_PAUSE, CommandFlags(flags), &params);
}

void MciDevice::Stop(Flags flags) {
  auto params = WithCallback<MCI_GENERIC_PARMS>(flags);
  Send(MCI_STOP, CommandFlags(flags), &params);
}

void MciDevice::Step(bool back, Flags flags) {
  auto params = WithCallback<MCI_DGV_STEP_PARMS>(flags);
  params.dwFrames = 1;
  Send(MCI_STEP, CommandFlags(flags) | MCI_DGV_STEP_FRAMES | (back ? MCI_DGV_STEP_REVERSE : 0),
       &params);
}

// A device that was playing plays on from there.
void MciDevice::Seek(bool toEnd, Flags flags) {
  const bool playing = Mode() == MCI_MODE_PLAY;
  auto params = WithCallback<MCI_SEEK_PARMS>(flags);
  Send(MCI_SEEK, CommandFlags(flags) | (toEnd ? MCI_SEEK_TO_END : MCI_SEEK_TO_START), &params);
  if (playing && !toEnd) Play({});
}

void MciDevice::Record(Flags flags) {
  auto params = WithCallback<MCI_RECORD_PARMS>(flags);
  Send(MCI_RECORD, CommandFlags(flags), &params);
}

void MciDevice::Eject(Flags flags) {
  auto params = WithCallback<MCI_SET_PARMS>(flags);
  Send(MCI_SET, CommandFlags(flags) | MCI_SET_DOOR_OPEN, &params);
}

}  // namespace vantiro::win32
