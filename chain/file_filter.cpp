#include "chain/file_filter.h"

#include "chain/names.h"

#include <utility>

namespace vantiro {
namespace {

// Characters that cannot stand in a file name, so no name can match them.
bool Usable(std::string_view pattern) {
  if (pattern.empty()) return false;
  for (unsigned char c : pattern) {
    if (c < 32 ||
        std::string_view("<>:\"/\\|").find(static_cast<char>(c)) != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

// "?" before a dot or at the end may match nothing, as in "a?.txt" for a.txt.
bool OptionalQuestionMarks(std::string_view pattern) {
  for (char c : pattern) {
    if (c != '?') return c == '.';
  }
  return true;
}

// Whether the lower-cased name matches, computed row by row from the end
// of the pattern: after row i, rest[j] tells whether pattern[i..] matches
// name[j..]. Quadratic at worst, never exponential, whatever the pattern.
bool Match(std::string_view pattern, std::string_view name) {
  const std::size_t n = name.size();
  std::vector<char> rest(n + 1, 0), next(n + 1, 0);
  rest[n] = 1;
  for (std::size_t i = pattern.size(); i-- > 0;) {
    std::swap(rest, next);  // next: pattern[i + 1..]
    const char p = pattern[i];
    const std::string_view tail = pattern.substr(i);
    for (std::size_t j = n + 1; j-- > 0;) {
      const bool more = j < n;
      bool match;
      if (p == '*') {
        match = next[j] || (more && rest[j + 1]);
      } else if (p == '?') {
        match = (more && next[j + 1]) || (OptionalQuestionMarks(tail) && next[j]);
      } else {
        match = more && name[j] == p && next[j + 1];
      }
      rest[j] = match;
    }
  }
  return rest[0] != 0;
}

}  // namespace

FileFilter::FileFilter(std::string_view filter) {
  while (true) {
    const std::size_t end = filter.find(';');
    const std::string_view part = filter.substr(0, end);
    if (Usable(part)) patterns_.push_back(LowerCase(std::string(part)));
    matchesAll_ = matchesAll_ || part == "*" || part == "*.*";
    if (end == std::string_view::npos) break;
    filter.remove_prefix(end + 1);
  }
}

// A pattern ending in "." asks for a name without a dot ("*." for names
// without an extension); one ending in ".*" also takes such names.
bool FileFilter::Matches(std::string_view name) const {
  if (matchesAll_) return true;
  const std::string lower = LowerCase(std::string(name));
  const bool dotless = lower.find('.') == std::string::npos;
  for (std::string_view pattern : patterns_) {
    if (pattern.ends_with(".*") && dotless && Match(pattern.substr(0, pattern.size() - 2), lower)) {
      return true;
    }
    if (pattern.ends_with('.')) {
      if (dotless && Match(pattern.substr(0, pattern.size() - 1), lower)) return true;
    } else if (Match(pattern, lower)) {
      return true;
    }
  }
  return false;
}

}  // namespace vantiro
