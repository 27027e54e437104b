#include "chain/page_title.h"

#include <algorithm>
#include <array>
#include <optional>

#include "settings/legacy_text.h"

namespace vantiro {
namespace {

// Hands out a file's first kPageHeadLimit characters one at a time from a
// buffer.
class CharReader {
 public:
  explicit CharReader(InputFile& file) : file_(file) {}

  // The next character; nullopt at the end, at the limit or on an error.
  std::optional<char> Next() {
    if (next_ == end_ && !Fill()) return std::nullopt;
    return buffer_[next_++];
  }
  bool failed() const { return failed_; }

 private:
  bool Fill() {
    if (failed_ || left_ == 0) return false;
    const std::ptrdiff_t read = file_.Read(buffer_.data(), std::min(buffer_.size(), left_));
    failed_ = read < 0;
    next_ = 0;
    end_ = read > 0 ? static_cast<std::size_t>(read) : 0;
    left_ -= end_;
    return end_ > 0;
  }

  InputFile& file_;
  std::array<char, 8192> buffer_{};
  std::size_t next_ = 0;
  std::size_t end_ = 0;
  std::size_t left_ = kPageHeadLimit;
  bool failed_ = false;
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

enum class Tag { kTitle, kBody, kOther };

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// Skips to the next "<" and reads the tag up to its ">": exactly <title>,
// a <body> with or without attributes, or another. Only the first
// characters of a tag are kept.
std::optional<Tag> NextTag(CharReader& reader) {
  std::optional<char> c;
  while ((c = reader.Next()) && *c != '<') {
  }
  if (!c) return std::nullopt;
  std::string start;  // lower-cased
  std::size_t length = 0;
  while ((c = reader.Next()) && *c != '>') {
    if (start.size() < 5) start += Lower(*c);
    ++length;
  }
  if (!c) return std::nullopt;
  if (start == "title" && length == 5) return Tag::kTitle;
  const bool body =
      start.starts_with("body") && (length == 4 || IsSpace(start[4]) || start[4] == '/');
  return body ? Tag::kBody : Tag::kOther;
}

}  // namespace

std::string ReadPageTitle(InputFile& file) {
  CharReader reader(file);
  std::string title;
  std::optional<Tag> tag;
  while ((tag = NextTag(reader)) && *tag == Tag::kOther) {
  }
  if (tag == Tag::kTitle) {
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
