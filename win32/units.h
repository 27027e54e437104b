// The window system's units: twips to pixels and back at the screen's
// logical resolution, and the program's colours as GDI takes them.
#pragma once

#include <windows.h>

#include <cmath>

#include "platform/control.h"

namespace vantiro::win32 {

struct Scale {
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;

  // Halves round to even, as std::lrint does in the default rounding mode.
  int XToPixels(Twips twips) const { return ToPixels(twips, twipsPerPixelX); }
  int YToPixels(Twips twips) const { return ToPixels(twips, twipsPerPixelY); }
  Twips XToTwips(int pixels) const { return pixels * twipsPerPixelX; }
  Twips YToTwips(int pixels) const { return pixels * twipsPerPixelY; }

  static int ToPixels(Twips twips, int twipsPerPixel) {
    return static_cast<int>(std::lrint(static_cast<double>(twips) / twipsPerPixel));
  }
};

// 1440 twips an inch over the screen's dots an inch, rounded to nearest.
inline Scale ScreenScale() {
  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return {static_cast<int>(std::lrint(1440.0 / dpiX)), static_cast<int>(std::lrint(1440.0 / dpiY))};
}

// &H800000nn names system colour nn; anything else is an RGB value.
inline COLORREF ToColorRef(Color color) {
  constexpr Color kSystemColor = 0x80000000;
  if (color & kSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

}  // namespace vantiro::win32
