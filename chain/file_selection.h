// The files selected in the file list, chosen as Explorer chooses them: a
// plain click selects one file, Ctrl+click adds or removes one, Shift+click
// selects the range from the file clicked before it (with Ctrl too, adds
// the range), and the arrow keys move as clicks do. The focus is the file
// last clicked: the previews follow it, and a command for one file acts on
// it while it is the only one selected.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/list_box.h"

namespace vantiro {

class FileSelection {
 public:
  int Focus() const { return focus_; }
  bool Has(int row) const;
  std::size_t Count() const { return count_; }
  // The selected rows, first to last, and the same as runs of rows.
  std::vector<int> Rows() const;
  std::vector<RowRun> Runs() const;

  // A press or a key on row of a list of rows rows, with kShiftKey and
  // kCtrlKey as held; a row past the list selects nothing (with Ctrl,
  // keeps the selection).
  void Click(int row, int keys, int rows);
  // Every row, the focus kept.
  void All(int rows);
  // A list of rows rows, nothing selected.
  void Clear(int rows = 0);
  // The list grew to rows rows; what is selected stays.
  void Grow(int rows) { marks_.resize(static_cast<std::size_t>(rows)); }
  // The list was read again: the same names stay selected where they are now.
  void Follow(const std::vector<std::string>& before, const std::vector<std::string>& after);

 private:
  void Mark(int first, int last);

  std::vector<bool> marks_;  // one a row
  std::size_t count_ = 0;    // rows marked
  int focus_ = -1;
  int anchor_ = -1;  // where a range with Shift begins
};

}  // namespace vantiro
