#include "navigation/page_title.h"

#include <array>
#include <optional>

#include "settings/legacy_text.h"

namespace vantiro {
namespace {

// Hands out a file's characters one at a time from a buffer.
class CharReader {
 public:
  explicit CharReader(InputFile& file) : file_(file) {}

  // The next character; nullopt at the end or on an error.
  std::optional<char> Next() {
    if (next_ == end_ && !Fill()) return std::nullopt;
    return buffer_[next_++];
  }
  bool failed() const { return failed_; }

 private:
  bool Fill() {
    if (failed_) return false;
    const std::ptrdiff_t read = file_.Read(buffer_.data(), buffer_.size());
    failed_ = read < 0;
    next_ = 0;
    end_ = read > 0 ? static_cast<std::size_t>(read) : 0;
    return end_ > 0;
  }

  InputFile& file_;
  std::array<char, 8192> buffer_{};
  std::size_t next_ = 0;
  std::size_t end_ = 0;
  bool failed_ = false;
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Skips to the next "<" and reads the tag up to its ">"; true when it is
// exactly <title>. Only the first characters of a tag are kept.
std::optional<bool> NextTagIsTitle(CharReader& reader) {
  constexpr std::string_view kTitleTag = "<title>";
  std::optional<char> c;
  while ((c = reader.Next()) && *c != '<') {
  }
  if (!c) return std::nullopt;
  std::size_t length = 1;
  bool same = true;
  while ((c = reader.Next())) {
    same = same && length < kTitleTag.size() && Lower(*c) == kTitleTag[length];
    ++length;
    if (*c == '>') return same && length == kTitleTag.size();
  }
  return std::nullopt;
}

}  // namespace

std::string ReadPageTitle(InputFile& file) {
  CharReader reader(file);
  std::string title;
  std::optional<bool> isTitle;
  while ((isTitle = NextTagIsTitle(reader)) && !*isTitle) {
  }
  if (isTitle) {
    std::optional<char> c;
    while (title.size() < kMaxTitleLength && (c = reader.Next()) && *c != '<') {
      if (static_cast<unsigned char>(*c) > 31) title += *c;
    }
  }
  // An older page is in Windows-1252, which grows as it becomes UTF-8.
  title = title.size() < kMaxTitleLength ? FromLegacyText(title) : FromLegacyPrefix(title);
  title.resize(Utf8Prefix(title, kMaxTitleLength));
  if (reader.failed()) title += '*';
  return title;
}

}  // namespace vantiro
