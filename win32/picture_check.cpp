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

std::uint32_t Big(std::string_view data, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i)
    value = value << 8 | static_cast<unsigned char>(data[at + static_cast<std::size_t>(i)]);
  return value;
}

// Tag 274 of the first directory of TIFF data, in the byte order it names.
int TiffOrientation(std::string_view tiff) {
  const bool little = tiff.starts_with("II");
  if (tiff.size() < 8 || !(little || tiff.starts_with("MM"))) return 0;
  const auto number = [&](std::size_t at, int bytes) {
    return little ? Little(tiff, at, bytes) : Big(tiff, at, bytes);
  };
  const std::uint32_t directory = number(4, 4);
  if (directory > tiff.size() - 2) return 0;
  const std::uint32_t entries = number(directory, 2);
  for (std::uint32_t entry = 0; entry < entries; ++entry) {
    const std::size_t at = directory + 2 + std::size_t{12} * entry;
    if (at + 12 > tiff.size()) break;
    if (number(at, 2) == 274 && number(at + 2, 2) == 3) {  // a SHORT
      const std::uint32_t orientation = number(at + 8, 2);
      return orientation <= 8 ? static_cast<int>(orientation) : 0;
    }
  }
  return 0;
}

// The logical screen and the first image in it must both have pixels.
bool GifWorthDecoding(std::string_view gif, bool wholeFile) {
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
  return !wholeFile;
}

// Uncompressed pixels are counted against the file; rows are padded to four
// bytes.
bool BitmapWorthDecoding(std::string_view bmp, std::uint64_t fileSize) {
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
  return offset <= fileSize && pixels <= fileSize - offset;
}

}  // namespace

int ExifOrientation(std::string_view head) {
  using namespace std::string_view_literals;
  if (head.starts_with("II*\0"sv) || head.starts_with("MM\0*"sv)) return TiffOrientation(head);
  if (!head.starts_with("\xFF\xD8")) return 0;
  // Blocks follow the start of image up to the scan: a marker, a length.
  for (std::size_t at = 2; at + 4 <= head.size() && head[at] == '\xFF';) {
    const std::uint32_t length = Big(head, at + 2, 2);
    if (head[at + 1] == '\xE1' && head.substr(at + 4).starts_with("Exif\0\0"sv))
      return TiffOrientation(head.substr(at + 10, length - 8));
    if (head[at + 1] == '\xDA' || length < 2) break;
    at += 2 + length;
  }
  return 0;
}

bool WorthDecoding(std::string_view head, std::uint64_t fileSize) {
  if (head.starts_with("GIF8")) return GifWorthDecoding(head, head.size() >= fileSize);
  if (head.starts_with("BM")) return BitmapWorthDecoding(head, fileSize);
  return true;
}

}  // namespace vantiro::win32
