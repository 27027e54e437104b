#include "chain/page_title.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "chain/html_text.h"
#include "settings/legacy_text.h"

namespace vantiro {
namespace {

constexpr std::size_t npos = std::string::npos;
// A title's end is looked for no further than this past its start.
constexpr std::size_t kMaxTitleBytes = 4 * kMaxTitleLength;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The page's head, read on as far as it is asked: a UTF-16 page becomes
// UTF-8 as it comes, any other stays as its bytes.
class Head {
 public:
  explicit Head(InputFile& file) : file_(file) {
    while (text_.size() < 3 && More()) {
    }
    TakeByteOrderMark();
  }

  // The character at, reading on as needed; nullopt past the end.
  std::optional<char> At(std::size_t at) {
    while (at >= text_.size()) {
      if (!More()) return std::nullopt;
    }
    return text_[at];
  }
  // Where what (lower-case) next stands at or after from, in any case, and
  // begins before limit; npos if nowhere.
  std::size_t Find(std::string_view what, std::size_t from, std::size_t limit = npos) {
    for (std::size_t at = from; at < limit; ++at) {
      if (!At(at + what.size() - 1)) return npos;
      if (Lower(text_[at]) != what[0]) {
        const char cases[] = {what[0], static_cast<char>(std::toupper(what[0]))};
        const std::size_t next = text_.find_first_of(cases, at, 2);
        at = (next == npos ? text_.size() : next) - 1;
        continue;
      }
      if (std::equal(what.begin(), what.end(), text_.begin() + static_cast<std::ptrdiff_t>(at),
                     [](char want, char c) { return want == Lower(c); }))
        return at;
    }
    return npos;
  }
  std::string_view Text(std::size_t from, std::size_t to) const {
    return std::string_view(text_).substr(from, to - from);
  }
  std::size_t size() const { return text_.size(); }
  bool failed() const { return failed_; }
  // The set its byte-order mark names: "utf-8", "utf-16" (read as UTF-8
  // already), or "".
  const std::string& marked() const { return marked_; }

 private:
  bool More() {
    if (failed_ || left_ == 0) return false;
    std::array<char, 8192> buffer;
    const std::ptrdiff_t read = file_.Read(buffer.data(), std::min(buffer.size(), left_));
    failed_ = read < 0;
    if (read <= 0) {
      left_ = 0;
      if (marked_ == "utf-16") text_ += FromUtf16(raw_, bigEndian_);  // an odd byte dropped
      return false;
    }
    left_ -= static_cast<std::size_t>(read);
    raw_.append(buffer.data(), static_cast<std::size_t>(read));
    if (marked_ != "utf-16") {
      text_ += raw_;
      raw_.clear();
    } else {
      TakeUtf16();
    }
    return true;
  }
  void TakeByteOrderMark() {
    const std::string_view start = text_;
    if (start.starts_with("\xEF\xBB\xBF")) {
      marked_ = "utf-8";
      text_.erase(0, 3);
    } else if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
      marked_ = "utf-16";
      bigEndian_ = start[0] == '\xFE';
      raw_ = text_.substr(2);
      text_.clear();
      TakeUtf16();
    }
  }
  // Whole characters: a high surrogate waits for its pair.
  void TakeUtf16() {
    std::size_t whole = raw_.size() & ~std::size_t{1};
    if (whole >= 2) {
      const auto high = static_cast<unsigned char>(raw_[whole - (bigEndian_ ? 2 : 1)]);
      if (high >= 0xD8 && high <= 0xDB) whole -= 2;
    }
    text_ += FromUtf16(std::string_view(raw_).substr(0, whole), bigEndian_);
    raw_.erase(0, whole);
  }

  InputFile& file_;
  std::string text_, raw_;
  std::string marked_;
  bool bigEndian_ = false;
  std::size_t left_ = kPageHeadLimit;
  bool failed_ = false;
};

// The tag's name after its "<", lower-cased; "" where no letter begins it.
std::string TagName(Head& head, std::size_t at) {
  std::string name;
  for (std::optional<char> c; (c = head.At(at)) && std::isalnum(static_cast<unsigned char>(*c)) &&
                              (!name.empty() || std::isalpha(static_cast<unsigned char>(*c)));
       ++at)
    name += Lower(*c);
  return name;
}

// Past the ">" that ends the tag at at; a quoted value may hold one.
std::size_t TagEnd(Head& head, std::size_t at) {
  char quote = 0, last = 0;
  for (std::optional<char> c; (c = head.At(at)); ++at) {
    if (quote) {
      if (*c == quote) quote = 0;
    } else if ((*c == '"' || *c == '\'') && last == '=') {
      quote = *c;
    } else if (*c == '>') {
      return at + 1;
    }
    if (!std::isspace(static_cast<unsigned char>(*c))) last = *c;
  }
  return npos;
}

// The charset a <meta> declares, as <meta charset="..."> or within
// content="text/html; charset=...", lower-cased.
std::string MetaCharset(std::string_view tag) {
  std::string lower(tag);
  std::ranges::transform(lower, lower.begin(), Lower);
  std::size_t at = lower.find("charset");
  if (at == npos) return {};
  at = lower.find_first_not_of(" \t\r\n", at + 7);
  if (at == npos || lower[at] != '=') return {};
  at = lower.find_first_not_of(" \t\r\n\"'", at + 1);
  if (at == npos) return {};
  return lower.substr(at, lower.find_first_of(" \t\r\n\"';/>", at) - at);
}

struct Found {
  std::string title, charset;
  bool cut = false;  // at kMaxTitleBytes
};

// Tags up to the title's end, the first <body> or the end of what is read.
Found Scan(Head& head) {
  Found found;
  for (std::size_t at = 0; (at = head.Find("<", at)) != npos;) {
    if (head.Find("<!--", at, at + 1) == at) {
      at = head.Find("-->", at + 4);
      if (at == npos) break;
      at += 3;
      continue;
    }
    const std::string name = TagName(head, at + 1);
    const std::optional<char> next = head.At(at + 1);
    if (name.empty() && next != '/' && next != '!' && next != '?') {
      ++at;  // a "<" of the text
      continue;
    }
    const std::size_t end = TagEnd(head, at + 1);
    if (end == npos || name == "body") break;
    if (name == "title") {
      const std::size_t close = head.Find("</title", end, end + kMaxTitleBytes);
      const std::size_t stop = close != npos ? close : std::min(head.size(), end + kMaxTitleBytes);
      found.title = head.Text(end, stop);
      found.cut = close == npos && stop == end + kMaxTitleBytes;
      break;
    }
    if (name == "meta" && found.charset.empty()) found.charset = MetaCharset(head.Text(at, end));
    at = name == "script" || name == "style" ? head.Find("</" + name, end) : end;
  }
  return found;
}

bool OneOf(const std::string& name, std::initializer_list<std::string_view> names) {
  return std::ranges::find(names, name) != names.end();
}

std::string ValidUtf8(std::string_view bytes) {
  std::string text;
  while (!bytes.empty()) text += Utf8Of(TakeCharacter(bytes));
  return text;
}

// A page that declares UTF-16 but was not marked so is read as UTF-8, as
// browsers do; Latin-1 and ASCII are read as Windows-1252.
std::string InCharset(const Found& found, const std::string& marked, const DecodeCharset& decode) {
  const std::string& charset = marked.empty() ? found.charset : marked;
  if (charset == "utf-16") return found.title;
  if (OneOf(charset, {"utf-8", "utf8", "unicode-1-1-utf-8", "utf-16le", "utf-16be"}))
    return ValidUtf8(found.title);
  if (OneOf(charset, {"windows-1252", "iso-8859-1", "latin1", "us-ascii", "ascii", "cp1252"}))
    return FromWindows1252(found.title);
  if (!charset.empty()) {
    if (std::optional<std::string> text = decode(found.title, charset)) return *std::move(text);
  }
  return found.cut ? FromLegacyPrefix(found.title) : FromLegacyText(found.title);
}

}  // namespace

std::string ReadPageTitle(InputFile& file, const DecodeCharset& decode) {
  Head head(file);
  const Found found = Scan(head);
  std::string title = HtmlText(InCharset(found, head.marked(), decode));
  title.resize(Utf8Prefix(title, kMaxTitleLength));
  if (head.failed()) title += '*';
  return title;
}

}  // namespace vantiro
