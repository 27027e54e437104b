#include "navigation/names.h"

#include <algorithm>

namespace vantiro {

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Each name is lower-cased once, not at every comparison: the sort compares
// the lower-cased names, then the names as they are, so that names that
// differ only in case keep one stable order.
void SortByName(std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names) keyed.emplace_back(LowerCase(name), std::move(name));
  std::sort(keyed.begin(), keyed.end());
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].second);
}

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  if (name.empty()) return -1;
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

}  // namespace vantiro
