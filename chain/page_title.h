// The title of an HTML page: the text after the first "<title>" tag.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace vantiro {

// Titles longer than this are cut: a damaged or binary file cannot make
// one entry of the titles list huge.
inline constexpr std::size_t kMaxTitleLength = 4096;

// A page's title is in its head: it is looked for no further than the first
// <body> tag, nor than this many bytes from the start, which a head holding
// its styles and scripts inline hardly reaches. A huge page costs no more to
// read than a page of that size.
inline constexpr std::size_t kPageHeadLimit = 1 << 20;

// Reads up to the end of the title and no further. Tags are compared whole
// and ignoring case ("<TITLE>" matches, "<title lang=en>" does not); control
// characters are dropped. The title comes back in UTF-8, from UTF-8 or
// Windows-1252. A read error appends "*" to what was gathered.
std::string ReadPageTitle(InputFile& file);

}  // namespace vantiro
