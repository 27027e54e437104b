// Text that older installations and older pages wrote in Windows-1252: the
// program keeps its strings in UTF-8, so such text is turned into UTF-8 as
// it is read. Text that is valid UTF-8 is taken as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantiro {

// The character at the front of UTF-8 text, taken off it; U+FFFD, taking
// one byte, where no valid character begins.
char32_t TakeCharacter(std::string_view& text);

// A character's bytes in UTF-8.
std::string Utf8Of(char32_t c);

// UTF-16 text in bytes of either order, turned into UTF-8; a lone
// surrogate becomes U+FFFD and an odd last byte is dropped.
std::string FromUtf16(std::string_view bytes, bool bigEndian);

// Strict: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text);

std::string FromLegacyText(std::string_view bytes);

// Windows-1252 bytes, whatever they are, in UTF-8.
std::string FromWindows1252(std::string_view bytes);

// The same for the first bytes of a longer text: a UTF-8 sequence cut at
// the end is dropped rather than taken for Windows-1252.
std::string FromLegacyPrefix(std::string_view bytes);

// The length of the longest start of a UTF-8 text, at most limit bytes,
// that ends between two characters.
std::size_t Utf8Prefix(std::string_view text, std::size_t limit);

}  // namespace vantiro
