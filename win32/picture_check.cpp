#include "win32/picture_check.h"

#include <cstdint>
#include <cstdlib>

namespace vantiro::win32 {
namespace {

std::uint32_t Little(std::string_view data, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(data[at + static_cast<std::size_t>(i)]);
  return value;
}

// The logical screen and the first image in it must both have pixels.
bool GifWorthDecoding(std::string_view gif) {
  if (gif.size() < 13 || Little(gif, 6, 2) == 0 || Little(gif, 8, 2) == 0) return false;
  const auto flags = static_cast<unsigned char>(gif[10]);
  std::size_t at = 13 + (flags & 0x80 ? 3u << ((flags & 7) + 1) : 0);
  while (at < gif.size()) {
    const char block = gif[at];
    if (block == 0x2C) {  // an image descriptor
      return at + 9 <= gif.size() && Little(gif, at + 5, 2) != 0 && Little(gif, at + 7, 2) != 0;
    }
    if (block != 0x21 || at + 2 >= gif.size()) return false;  // the trailer, or damage
    at += 2;  // an extension: its label, then sub-blocks up to an empty one
    while (at < gif.size() && gif[at] != 0) at += 1 + static_cast<unsigned char>(gif[at]);
    ++at;
  }
  return false;
}

// Uncompressed pixels are counted against the file; rows are padded to four
// bytes.
bool BitmapWorthDecoding(std::string_view bmp) {
  if (bmp.size() < 34) return false;
  const auto width = static_cast<std::int32_t>(Little(bmp, 18, 4));
  const auto height = static_cast<std::int32_t>(Little(bmp, 22, 4));
  if (width <= 0 || height == 0) return false;
  const std::uint32_t bits = Little(bmp, 28, 2), compression = Little(bmp, 30, 4);
  if (compression != 0) return true;  // BI_RGB only
  const std::uint64_t rowBytes =
      (std::uint64_t{static_cast<std::uint32_t>(width)} * bits + 31) / 32 * 4;
  const std::uint64_t pixels =
      rowBytes * static_cast<std::uint64_t>(std::abs(std::int64_t{height}));
  const std::uint64_t offset = Little(bmp, 10, 4);
  return offset <= bmp.size() && pixels <= bmp.size() - offset;
}

}  // namespace

bool WorthDecoding(std::string_view file) {
  if (file.starts_with("GIF8")) return GifWorthDecoding(file);
  if (file.starts_with("BM")) return BitmapWorthDecoding(file);
  return true;
}

}  // namespace vantiro::win32
