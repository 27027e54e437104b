#include "win32/media_player_control.h"

#include <algorithm>
#include <utility>

#include "win32/wide_text.h"
#include "win32/window_binding.h"

namespace vantiro::win32 {
namespace {

using Button = MediaPlayerControl::Button;

constexpr UINT_PTR kModeTimer = 1;
constexpr UINT kModeTimerMs = 250;

// The command each button runs, which is also its name.
constexpr std::array<const char*, MediaPlayerControl::kButtons> kCommands = {
    "Prev", "Next", "Play", "Pause", "Back", "Step", "Stop", "Record", "Eject"};

// Each glyph is drawn from up to two shapes, in eighths of a square box.
enum class Shape { None, Left, Right, Up, Bar, Dot };
struct Stroke {
  Shape shape;
  int x, y, width, height;
};
using Glyph = std::array<Stroke, 2>;
constexpr std::array<Glyph, MediaPlayerControl::kButtons> kGlyphs = {{
    {{{Shape::Bar, 0, 0, 2, 8}, {Shape::Left, 2, 0, 6, 8}}},     // previous
    {{{Shape::Right, 0, 0, 6, 8}, {Shape::Bar, 6, 0, 2, 8}}},    // next
    {{{Shape::Right, 1, 0, 6, 8}, {}}},                          // play
    {{{Shape::Bar, 1, 0, 2, 8}, {Shape::Bar, 5, 0, 2, 8}}},      // pause
    {{{Shape::Left, 0, 0, 4, 8}, {Shape::Left, 4, 0, 4, 8}}},    // back
    {{{Shape::Right, 0, 0, 4, 8}, {Shape::Right, 4, 0, 4, 8}}},  // step
    {{{Shape::Bar, 1, 1, 6, 6}, {}}},                            // stop
    {{{Shape::Dot, 1, 1, 6, 6}, {}}},                            // record
    {{{Shape::Up, 0, 0, 8, 5}, {Shape::Bar, 0, 6, 8, 2}}},       // eject
}};

// Nothing runs on a closed device; play, stop and pause follow its mode.
bool Allowed(Button button, int mode, const MciDevice& device) {
  const bool playing = mode == MCI_MODE_PLAY, paused = mode == MCI_MODE_PAUSE,
             recording = mode == MCI_MODE_RECORD;
  if (mode == MCI_MODE_NOT_READY) return false;
  switch (button) {
    case Button::Prev:
    case Button::Next:
      return !recording;
    case Button::Play:
      return !playing && !recording;
    case Button::Pause:
    case Button::Stop:
      return playing || paused || recording;
    case Button::Back:
    case Button::Step:
      return device.CanStep() && !recording;
    case Button::Record:
      return device.CanRecord() && !playing && !recording;
    case Button::Eject:
      return device.CanEject();
    case Button::kButtons:
      break;
  }
  return false;
}

void DrawStroke(HDC dc, const Stroke& stroke, POINT origin, int eighth) {
  const int left = origin.x + stroke.x * eighth, top = origin.y + stroke.y * eighth;
  const int right = left + stroke.width * eighth, bottom = top + stroke.height * eighth;
  const int middleX = (left + right) / 2, middleY = (top + bottom) / 2;
  switch (stroke.shape) {
    case Shape::Left: {
      const POINT corners[] = {{right, top}, {right, bottom}, {left, middleY}};
      Polygon(dc, corners, 3);
      break;
    }
    case Shape::Right: {
      const POINT corners[] = {{left, top}, {left, bottom}, {right, middleY}};
      Polygon(dc, corners, 3);
      break;
    }
    case Shape::Up: {
      const POINT corners[] = {{left, bottom}, {right, bottom}, {middleX, top}};
      Polygon(dc, corners, 3);
      break;
    }
    case Shape::Bar:
      Rectangle(dc, left, top, right, bottom);
      break;
    case Shape::Dot:
      Ellipse(dc, left, top, right, bottom);
      break;
    case Shape::None:
      break;
  }
}

}  // namespace

MediaPlayerControl::MediaPlayerControl(const ChildParts& parts) : ChildWindow(parts.scale) {
  CreateWindowExW(0, BoundWindowClass<MediaPlayerControl>(), L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0,
                  0, 0, parts.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(parts.id)),
                  GetModuleHandleW(nullptr), this);
  if (!hwnd_) return;
  for (int i = 0; i < kButtons; ++i) {
    buttons_[i] = CreateWindowExW(0, L"BUTTON", Wide(kCommands[i]).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_OWNERDRAW, 0, 0, 0, 0,
                                  hwnd_.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)),
                                  GetModuleHandleW(nullptr), nullptr);
  }
}

MediaPlayerControl::~MediaPlayerControl() {
  device_.Close();
  if (hwnd_) DestroyWindow(hwnd_.get());
}

// Wait and Notify hold for this one command.
void MediaPlayerControl::SetCommand(const std::string& command) {
  const MciDevice::Flags flags{std::exchange(wait_, false),
                               std::exchange(notify_, false) ? hwnd_.get() : nullptr};
  if (command == "Open") {
    device_.Open(deviceType_, fileName_, shareable_, flags);
  } else if (command == "Close") {
    device_.Close();
  } else {
    for (int i = 0; i < kButtons; ++i) {
      if (command == kCommands[i]) Run(static_cast<Button>(i), flags);
    }
  }
  FollowMode();
}

void MediaPlayerControl::Run(Button which, MciDevice::Flags flags) {
  switch (which) {
    case Button::Prev:
    case Button::Next:
      device_.Seek(which == Button::Next, flags);
      break;
    case Button::Play:
      device_.Play(flags);
      break;
    case Button::Pause:
      device_.Pause(flags);
      break;
    case Button::Back:
    case Button::Step:
      device_.Step(which == Button::Back, flags);
      break;
    case Button::Stop:
      device_.Stop(flags);
      break;
    case Button::Record:
      device_.Record(flags);
      break;
    case Button::Eject:
      device_.Eject(flags);
      break;
    case Button::kButtons:
      break;
  }
}

// The buttons show what the device allows now; the timer runs while a file
// is open, for a sound that ends by itself.
void MediaPlayerControl::FollowMode() {
  if (!hwnd_) return;
  const int mode = device_.Mode();
  for (int i = 0; i < kButtons; ++i) {
    const bool allowed = Allowed(static_cast<Button>(i), mode, device_);
    if ((IsWindowEnabled(buttons_[i]) != FALSE) != allowed) EnableWindow(buttons_[i], allowed);
  }
  if (device_.IsOpen()) {
    SetTimer(hwnd_.get(), kModeTimer, kModeTimerMs, nullptr);
  } else {
    KillTimer(hwnd_.get(), kModeTimer);
  }
}

void MediaPlayerControl::LayOut() {
  RECT client{};
  GetClientRect(hwnd_.get(), &client);
  for (int i = 0; i < kButtons; ++i) {
    const int left = client.right * i / kButtons, right = client.right * (i + 1) / kButtons;
    MoveWindow(buttons_[i], left, 0, right - left, client.bottom, TRUE);
  }
}

void MediaPlayerControl::DrawButton(const DRAWITEMSTRUCT& item) const {
  const RECT& rect = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  RECT face = rect;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const int index = static_cast<int>(item.CtlID) - 1;
  const COLORREF ink = disabled                  ? GetSysColor(COLOR_GRAYTEXT)
                       : index == Button::Record ? RGB(192, 0, 0)
                                                 : GetSysColor(COLOR_BTNTEXT);
  const int side = std::max(8L, std::min(rect.right - rect.left, rect.bottom - rect.top) / 2);
  const int eighth = static_cast<int>(side) / 8, shift = pushed ? 1 : 0;
  const POINT origin{(rect.left + rect.right - 8 * eighth) / 2 + shift,
                     (rect.top + rect.bottom - 8 * eighth) / 2 + shift};
  const HGDIOBJ oldBrush = SelectObject(item.hDC, GetStockObject(DC_BRUSH));
  const HGDIOBJ oldPen = SelectObject(item.hDC, GetStockObject(DC_PEN));
  SetDCBrushColor(item.hDC, ink);
  SetDCPenColor(item.hDC, ink);
  for (const Stroke& stroke : kGlyphs[static_cast<std::size_t>(index)])
    DrawStroke(item.hDC, stroke, origin, eighth);
  SelectObject(item.hDC, oldPen);
  SelectObject(item.hDC, oldBrush);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = rect;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(item.hDC, &focus);
  }
}

LRESULT MediaPlayerControl::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= 1 && LOWORD(wParam) <= kButtons) {
        Run(static_cast<Button>(LOWORD(wParam) - 1), {});
        FollowMode();
      }
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID < 1 || item.CtlID > kButtons) break;
      DrawButton(item);
      return TRUE;
    }
    case WM_TIMER:
    case MM_MCINOTIFY:
      FollowMode();
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace vantiro::win32
