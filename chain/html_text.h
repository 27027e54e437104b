// Text of an HTML page as a browser shows it in a title: its character
// references decoded and its white space collapsed.
#pragma once

#include <string>
#include <string_view>

namespace vantiro {

// From UTF-8 text between two tags: named references ("&amp;", and the
// Latin-1 ones without their ";" too, as "&copy 2024"), decimal ("&#8212;")
// and hexadecimal ("&#x2014;") ones decoded, runs of spaces, tabs and line
// breaks made one space and taken off both ends, other control characters
// dropped.
std::string HtmlText(std::string_view text);

}  // namespace vantiro
