// A look at a picture file's header before the system's picture loader
// decodes it: some loaders fall over on pictures of no pixels, and a bitmap
// whose header claims more pixels than the file holds would have them
// allocate gigabytes for nothing.
#pragma once

#include <string_view>

namespace vantiro::win32 {

// False for a GIF without a picture of at least 1 x 1 pixel, and for a
// bitmap of no pixels or fewer bytes of them than its size needs; true for
// anything else, which the loader judges.
bool WorthDecoding(std::string_view file);

}  // namespace vantiro::win32
