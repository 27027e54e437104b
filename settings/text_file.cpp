#include "settings/text_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

#include "settings/legacy_text.h"

namespace vantiro {
namespace {

constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";
// A path as long as Windows allows, in UTF-8, is shorter.
constexpr std::size_t kLongestLine = 1 << 17;

bool IsTextByte(char c) {
  return static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = line.find_last_not_of(" \t");
  return line.substr(first, last - first + 1);
}

// A plain decimal number, perhaps with a fraction or an exponent: digits,
// signs, a point and "e" alone, which the C runtime reads in its "C"
// locale, the program's own (no hexadecimal, no "inf").
std::optional<double> Decimal(std::string_view line) {
  line = Trimmed(line);
  if (line.empty() || line.find_first_not_of("0123456789+-.eE") != std::string_view::npos)
    return std::nullopt;
  const std::string text(line);
  char* stop = nullptr;
  const double value = std::strtod(text.c_str(), &stop);
  if (stop != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

void TextFileWriter::Line(std::string_view line) {
  contents_ += line;
  contents_ += "\r\n";
}

void TextFileWriter::Integer(std::int64_t value) { Line(std::to_string(value)); }

void TextFileWriter::Boolean(bool value) { Line(value ? kTrue : kFalse); }

void TextFileWriter::Text(std::string_view text) {
  contents_ += '"';
  contents_ += text;
  contents_ += "\"\r\n";
}

std::optional<std::string_view> TextFileReader::NextLine() {
  if (position_ >= contents_.size()) return std::nullopt;
  const std::string_view rest = std::string_view(contents_).substr(position_);
  const auto end = rest.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    position_ = contents_.size();
    return rest;
  }
  position_ += end + 1;
  if (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') ++position_;
  return rest.substr(0, end);
}

// Whole numbers are read as the classic reader does: a fraction rounds to
// the nearest integer, halves to even.
template <typename Int>
std::optional<Int> TextFileReader::Integer() {
  const auto line = NextLine();
  if (!line) return std::nullopt;
  const auto value = Decimal(*line);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

std::optional<std::int16_t> TextFileReader::Int16() { return Integer<std::int16_t>(); }

std::optional<std::int32_t> TextFileReader::Int32() { return Integer<std::int32_t>(); }

std::optional<float> TextFileReader::Single() {
  const auto line = NextLine();
  if (!line) return std::nullopt;
  const auto value = Decimal(*line);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

std::optional<bool> TextFileReader::Boolean() {
  const auto line = NextLine();
  if (!line) return std::nullopt;
  const std::string_view value = Trimmed(*line);
  if (value == kTrue) return true;
  if (value == kFalse) return false;
  return std::nullopt;
}

std::optional<std::string> TextFileReader::Text() {
  const auto line = NextLine();
  if (!line) return std::nullopt;
  return ParseText(*line);
}

std::optional<std::string> TextFileReader::ParseText(std::string_view line) {
  line = Trimmed(line);
  if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
    line = line.substr(1, line.size() - 2);
  const bool text = std::ranges::none_of(
      line, [](char c) { return c == '"' || (static_cast<unsigned char>(c) < 0x20 && c != '\t'); });
  if (!text) return std::nullopt;
  return std::string(line);
}

std::optional<TextPrefix> ReadTextPrefix(const FileSystem& fs, const std::string& path) {
  const std::unique_ptr<InputFile> file = fs.OpenForReading(path);
  if (!file) return std::nullopt;
  TextPrefix read;
  std::size_t lineLength = 0;
  std::array<char, 64 * 1024> buffer;
  for (;;) {
    const std::ptrdiff_t got = file->Read(buffer.data(), buffer.size());
    if (got < 0) return std::nullopt;
    if (got == 0) return read;
    const std::string_view chunk(buffer.data(), static_cast<std::size_t>(got));
    for (std::size_t i = 0; i < chunk.size(); ++i) {
      lineLength = chunk[i] == '\r' || chunk[i] == '\n' ? 0 : lineLength + 1;
      if (!IsTextByte(chunk[i]) || lineLength > kLongestLine) {
        read.bytes.append(chunk.substr(0, i));
        read.whole = false;
        return read;
      }
    }
    read.bytes.append(chunk);
  }
}

bool FileHolds(const FileSystem& fs, const std::string& path, std::string_view contents) {
  const std::unique_ptr<InputFile> file = fs.OpenForReading(path);
  if (!file) return false;
  std::array<char, 64 * 1024> buffer;
  for (;;) {
    // One byte more than is left: a file that goes on is another file.
    const std::size_t wanted = std::min(buffer.size(), contents.size() + 1);
    const std::ptrdiff_t got = file->Read(buffer.data(), wanted);
    if (got < 0) return false;
    if (got == 0) return contents.empty();
    const std::string_view chunk(buffer.data(), static_cast<std::size_t>(got));
    if (!contents.starts_with(chunk)) return false;
    contents.remove_prefix(chunk.size());
  }
}

std::string SettingsText(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  return FromLegacyText(bytes);
}

}  // namespace vantiro
