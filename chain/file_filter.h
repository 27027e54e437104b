// The file filter: one or more wildcard patterns separated by ";" (*.bmp;*.gif),
// matched the way Windows matches file names: ignoring case, "*" for any run
// of characters, "?" for one, "*.*" also matching names without a dot.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantiro {

class FileFilter {
 public:
  explicit FileFilter(std::string_view filter);
  bool Matches(std::string_view name) const;

 private:
  // Patterns lower-cased; one that no file name could satisfy is dropped.
  std::vector<std::string> patterns_;
  bool matchesAll_ = false;  // "*" or "*.*" among them
};

}  // namespace vantiro
