#include "settings/legacy_text.h"

#include <array>
#include <cstdint>

namespace vantiro {
namespace {

// The characters of bytes 0x80 to 0x9F in Windows-1252; the five bytes it
// leaves undefined stand for the C1 controls, as Windows maps them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the sequence a lead byte begins, 0 for no lead byte.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Whether the second byte keeps the sequence short of overlong forms,
// surrogates and code points beyond U+10FFFF.
bool SecondByteFits(unsigned char lead, unsigned char second) {
  switch (lead) {
    case 0xE0:
      return second >= 0xA0;
    case 0xED:
      return second <= 0x9F;
    case 0xF0:
      return second >= 0x90;
    case 0xF4:
      return second <= 0x8F;
    default:
      return true;
  }
}

// The length of the valid sequence at the start of text; 0 when none is.
std::size_t ValidSequence(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = SequenceLength(lead);
  if (length == 0 || length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) return 0;
  }
  if (length > 1 && !SecondByteFits(lead, static_cast<unsigned char>(text[1]))) return 0;
  return length;
}

}  // namespace

std::string FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    const auto c = static_cast<unsigned char>(byte);
    out += Utf8Of(c >= 0x80 && c <= 0x9F ? kHighControls[c - 0x80] : char16_t{c});
  }
  return out;
}

char32_t TakeCharacter(std::string_view& text) {
  const std::size_t length = ValidSequence(text);
  if (length == 0) {
    text.remove_prefix(1);
    return 0xFFFD;
  }
  const auto lead = static_cast<unsigned char>(text[0]);
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i)
    c = c << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
  text.remove_prefix(length);
  return c;
}

std::string Utf8Of(char32_t c) {
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  for (int i = length - 1; i > 0; --i, c >>= 6) bytes[i] = static_cast<char>(0x80 | (c & 0x3F));
  bytes[0] = static_cast<char>((0xF00 >> length) | c);
  return bytes;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? first << 8 | second : second << 8 | first;
  };
  std::string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t c = unit(i);
    const bool pair = c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
                      unit(i + 2) < 0xE000;
    if (pair) c = 0x10000 + ((c - 0xD800) << 10) + (unit(i += 2) - 0xDC00);
    out += Utf8Of(!pair && c >= 0xD800 && c < 0xE000 ? char32_t{0xFFFD} : c);
  }
  return out;
}

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = ValidSequence(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

std::string FromLegacyText(std::string_view bytes) {
  return IsUtf8(bytes) ? std::string(bytes) : FromWindows1252(bytes);
}

std::string FromLegacyPrefix(std::string_view bytes) {
  // A cut sequence is a lead byte and fewer continuation bytes than it needs.
  for (std::size_t tail = 1; tail <= 3 && tail <= bytes.size(); ++tail) {
    const auto c = static_cast<unsigned char>(bytes[bytes.size() - tail]);
    if (IsContinuation(c)) continue;
    if (SequenceLength(c) > tail && IsUtf8(bytes.substr(0, bytes.size() - tail)))
      return std::string(bytes.substr(0, bytes.size() - tail));
    break;
  }
  return FromLegacyText(bytes);
}

std::size_t Utf8Prefix(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  while (limit > 0 && IsContinuation(static_cast<unsigned char>(text[limit]))) --limit;
  return limit;
}

}  // namespace vantiro
