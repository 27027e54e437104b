#include "preview/file_details.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "settings/legacy_text.h"

namespace vantiro {
namespace {

bool IsNoText(unsigned char c) {
  return c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != 0x1A;
}

// UTF-16 by its mark; UTF-8, its mark dropped, or Windows-1252 otherwise.
// A NUL says the bytes are no text in either of the two.
std::optional<std::string> Decoded(std::string_view bytes, bool cut) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
    return FromUtf16(bytes.substr(2), bytes[0] == '\xFE');
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
  return cut ? FromLegacyPrefix(bytes) : FromLegacyText(bytes);
}

}  // namespace

std::optional<std::string> TextLines(std::string_view beginning, bool cut) {
  const std::optional<std::string> text = Decoded(beginning, cut);
  if (!text || std::ranges::any_of(*text, [](char c) { return IsNoText(c); })) return std::nullopt;
  std::string lines;
  std::string_view rest = *text;
  for (std::size_t count = 0; !rest.empty() && count < kDetailsLines; ++count) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.append(line).append("\n");
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return lines;
}

// A read that fails midway shows what came before it.
FileDetails ReadDetails(const FileSystem& fs, const std::string& path, const std::string& name) {
  FileDetails details{name, fs.Facts(path), std::nullopt};
  const std::unique_ptr<InputFile> file = fs.OpenForReading(path);
  if (!file) return details;
  std::string beginning(kDetailsBytes, '\0');
  std::size_t got = 0;
  while (got < beginning.size()) {
    const std::ptrdiff_t read = file->Read(beginning.data() + got, beginning.size() - got);
    if (read <= 0) break;
    got += static_cast<std::size_t>(read);
  }
  details.text = TextLines(std::string_view(beginning).substr(0, got), got == kDetailsBytes);
  return details;
}

std::string SizeText(std::uint64_t bytes) {
  const std::string digits = std::to_string(bytes);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped + (bytes == 1 ? " byte" : " bytes");
}

std::string ChangedText(const FileFacts& facts) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", facts.year, facts.month, facts.day,
                facts.hour, facts.minute);
  return text;
}

}  // namespace vantiro
