#include "chain/file_selection.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace vantiro {

bool FileSelection::Has(int row) const {
  return row >= 0 && row < std::ssize(marks_) && marks_[static_cast<std::size_t>(row)];
}

std::vector<int> FileSelection::Rows() const {
  std::vector<int> rows;
  rows.reserve(count_);
  for (int row = 0; row < std::ssize(marks_); ++row) {
    if (marks_[static_cast<std::size_t>(row)]) rows.push_back(row);
  }
  return rows;
}

std::vector<RowRun> FileSelection::Runs() const {
  std::vector<RowRun> runs;
  for (const int row : Rows()) {
    if (!runs.empty() && runs.back().last == row - 1) {
      runs.back().last = row;
    } else {
      runs.push_back({row, row});
    }
  }
  return runs;
}

void FileSelection::Click(int row, int keys, int rows) {
  const bool ctrl = (keys & kCtrlKey) != 0;
  if (!ctrl || rows != std::ssize(marks_)) {
    marks_.assign(static_cast<std::size_t>(rows), false);
    count_ = 0;
  }
  if (row < 0 || row >= rows) {
    focus_ = -1;
    return;
  }
  if (keys & kShiftKey) {
    if (anchor_ < 0) anchor_ = row;
    Mark(std::min(anchor_, row), std::max(anchor_, row));
  } else if (ctrl && Has(row)) {
    marks_[static_cast<std::size_t>(row)] = false;
    --count_;
    anchor_ = row;
  } else {
    Mark(row, row);
    anchor_ = row;
  }
  focus_ = row;
}

void FileSelection::All(int rows) {
  marks_.assign(static_cast<std::size_t>(rows), true);
  count_ = marks_.size();
}

void FileSelection::Clear(int rows) {
  marks_.assign(static_cast<std::size_t>(rows), false);
  count_ = 0;
  focus_ = anchor_ = -1;
}

void FileSelection::Mark(int first, int last) {
  for (int row = first; row <= last; ++row) {
    if (!Has(row)) ++count_;
    marks_[static_cast<std::size_t>(row)] = true;
  }
}

void FileSelection::Follow(const std::vector<std::string>& before,
                           const std::vector<std::string>& after) {
  const auto nameOf = [&before](int row) {
    return row >= 0 && row < std::ssize(before) ? std::string_view(before[std::size_t(row)])
                                                : std::string_view();
  };
  std::unordered_map<std::string_view, bool> kept;  // each name selected, and whether marked
  for (const int row : Rows()) kept.emplace(nameOf(row), true);
  const std::string_view focus = nameOf(focus_), anchor = nameOf(anchor_);
  kept.emplace(focus, false);
  kept.emplace(anchor, false);
  Clear(static_cast<int>(after.size()));
  for (int row = 0; row < std::ssize(after); ++row) {
    const std::string_view name = after[static_cast<std::size_t>(row)];
    const auto found = kept.find(name);
    if (found == kept.end() || name.empty()) continue;
    if (found->second) Mark(row, row);
    if (name == focus) focus_ = row;
    if (name == anchor) anchor_ = row;
  }
}

}  // namespace vantiro
