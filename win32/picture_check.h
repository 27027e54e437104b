// A look at a picture file's head before the system decodes it: some
// decoders fall over on pictures of no pixels, and a bitmap whose header
// claims more pixels than the file holds would have them allocate gigabytes
// for nothing. The head also says which way up a photo is.
#pragma once

#include <cstdint>
#include <string_view>

namespace vantiro::win32 {

// The file's first bytes, kHeadBytes or all of a smaller file.
inline constexpr std::size_t kHeadBytes = 64 * 1024;

// False for a GIF without a picture of at least 1 x 1 pixel, and for a
// bitmap of no pixels or fewer bytes of them than its size needs; true for
// anything else, which the decoder judges, and for a GIF whose first image
// lies past the head.
bool WorthDecoding(std::string_view head, std::uint64_t fileSize);

// The EXIF orientation, 1 to 8, of a JPEG (from its APP1 block) or a TIFF
// (its first directory); 0 where the head has none.
int ExifOrientation(std::string_view head);

}  // namespace vantiro::win32
