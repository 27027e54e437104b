// The options of File > Options and the appearance the size and colours
// dialog sets: plain values, kept in Config. A menu mark shows an option;
// it does not store it.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/control.h"

namespace vantiro {

struct Options {
  bool rememberPath = true;  // "Remember path when closing"
  bool animation = false;    // "Use animation when exploring folders"
  bool autoPlay = false;     // "Automatically start playing audio and video files"
  bool topMost = false;      // "Stay always on top"
  bool fileDetails = true;   // "Show file details"
};

// The widths of the boxes that the dialog offers, in twips: from 20 pixels,
// narrower than which a box shows no name at all, to 300.
inline constexpr Twips kMinBoxWidth = 20 * 15, kMaxBoxWidth = 300 * 15;

struct Appearance {
  std::int16_t boxesWidth = 1200;      // every folder box but the active one
  std::int16_t activeBoxWidth = 1800;  // the active box, and the file list at first
  Color foldersBackColor = 0x00FFFFFF;
  Color filesBackColor = 0x80000014;  // the 3-D highlight colour

  // A width from a hand-edited file, brought into the dialog's range.
  static std::int16_t BoxWidth(std::int16_t stored) {
    return static_cast<std::int16_t>(std::clamp<Twips>(stored, kMinBoxWidth, kMaxBoxWidth));
  }
};

}  // namespace vantiro
