// The title of an HTML page as a browser shows it: the text of its first
// <title> element, in the page's character set, its references decoded and
// its white space collapsed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

// Text in a character set the program does not read itself, by the name a
// page declares it by ("shift_jis"), in UTF-8; nullopt for a set unknown.
using DecodeCharset =
    std::function<std::optional<std::string>(std::string_view bytes, const std::string& charset)>;

// Reads up to the end of the title and no further. Tags are read as a
// browser reads them: whatever their case, attributes and white space;
// comments, scripts and styles hold no title. The character set is the one
// a byte-order mark gives (UTF-8, UTF-16 either way), else the one a <meta>
// before the title declares, else UTF-8 where the bytes are UTF-8, else
// Windows-1252. A read error appends "*" to what was gathered.
std::string ReadPageTitle(InputFile& file, const DecodeCharset& decode);

}  // namespace vantiro
