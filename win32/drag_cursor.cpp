#include "win32/drag_cursor.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "win32/handles.h"

namespace vantiro::win32 {
namespace {

constexpr int kSize = 32;

// '#' black, 'o' white, '.' the screen shows through. The hot spot is the
// arrow's tip, at the top left, as in the system's arrow.
// clang-format off
constexpr std::array<std::string_view, kSize> kCopyArt = {
    "#...............................",
    "##..............................",
    "#o#.............................",
    "#oo#............................",
    "#ooo#...........................",
    "#oooo#..........................",
    "#ooooo#.........................",
    "#oooooo#........................",
    "#ooooooo#.......................",
    "#oooooooo#......................",
    "#ooooooooo#.....................",
    "#oooooo#####....................",
    "#ooo#oo#........................",
    "#oo##oo#........................",
    "#o#..#oo#.......................",
    "##...#oo#.......................",
    "......#oo#......................",
    "......#oo#......................",
    ".......##.......................",
    ".........#o#o#o#o#o#o#..........",
    ".........o...........o..........",
    ".........#...........#..........",
    ".........o........#########.....",
    ".........#........#ooooooo#.....",
    ".........o........#ooo#ooo#.....",
    ".........#........#ooo#ooo#.....",
    ".........o........#o#####o#.....",
    ".........#o#o#o#o##ooo#ooo#.....",
    "..................#ooo#ooo#.....",
    "..................#ooooooo#.....",
    "..................#########.....",
    "................................",
};
// clang-format on

// One bit a pixel, most significant first: AND 1 keeps the screen, XOR 1
// over AND 0 paints white.
UniqueCursor MakeCopyCursor() {
  constexpr int kRowBytes = kSize / 8;
  std::array<std::uint8_t, kSize * kRowBytes> andPlane{};
  std::array<std::uint8_t, kSize * kRowBytes> xorPlane{};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const char pixel = kCopyArt[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
      const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
      const auto byte = static_cast<std::size_t>(y * kRowBytes + x / 8);
      if (pixel == '.') andPlane[byte] |= bit;
      if (pixel == 'o') xorPlane[byte] |= bit;
    }
  }
  return UniqueCursor(CreateCursor(GetModuleHandleW(nullptr), 0, 0, kSize, kSize, andPlane.data(),
                                   xorPlane.data()));
}

}  // namespace

HCURSOR DragCursorHandle(DragCursor cursor) {
  if (cursor == DragCursor::Arrow) return LoadCursorW(nullptr, IDC_ARROW);
  static const UniqueCursor copy = MakeCopyCursor();
  return copy.get();
}

}  // namespace vantiro::win32
