// The keyboard across the boxes and the file list. Right and Enter go into
// the next box, Left and Backspace back, Home and End to the ends of a list,
// and letters typed in a row jump to the entry they begin. Up, Down and the
// page keys the list box moves by itself; any new selection opens its
// folder or previews its file, as a click does.
#include "navigation/browser.h"
#include "navigation/names.h"

namespace vantiro {
namespace {

constexpr std::uint32_t kTypingMs = 1000;  // letters typed within this go on one word

}  // namespace

bool Browser::Dir_KeyDown(int index, const KeyEvent& event) {
  if (event.shift != 0 || index > chain_.LastBox()) return false;
  switch (event.keyCode) {
    case key::kRight:
    case key::kReturn:
      EnterNext(index);
      return true;
    case key::kLeft:
    case key::kBack:
      if (index > 0) Dir(index - 1).SetFocus();
      return true;
    case key::kHome:
    case key::kEnd:
      ChooseRow(index, event.keyCode == key::kHome ? 0 : LastRow(index));
      return true;
  }
  return false;
}

bool Browser::Files_KeyDown(const KeyEvent& event) {
  if (event.shift != 0) return false;
  switch (event.keyCode) {
    case key::kLeft:
    case key::kBack:
      Dir(chain_.LastBox()).SetFocus();
      return true;
    case key::kReturn:
      Files_DblClick();
      return true;
    case key::kHome:
    case key::kEnd:
      ChooseRow(kFileList, event.keyCode == key::kHome ? 0 : LastRow(kFileList));
      return true;
    case key::kRight:
      return true;  // the file list is the last
  }
  return false;
}

// Into the box the selection opened, or the file list after the last box;
// a list entered with nothing selected selects its first entry.
void Browser::EnterNext(int index) {
  const int next = index < chain_.LastBox() ? index + 1 : kFileList;
  ListOf(next).SetFocus();
  const int selected = next == kFileList ? chain_.files().selected : chain_.box(next).selected;
  if (selected < 0) ChooseRow(next, 0);
}

bool Browser::TypeAhead(int list, const KeyEvent& event) {
  const char typed = static_cast<char>(event.keyCode);
  const bool goesOn = typing_.list == list && event.time - typing_.time < kTypingMs;
  typing_ = {list, goesOn ? typing_.text + typed : std::string(1, typed), event.time};
  const int selected = list == kFileList ? chain_.files().selected : chain_.box(list).selected;
  ChooseRow(list, TypedEntry(*RowsOf(list), typing_.text, selected));
  return true;
}

int Browser::LastRow(int list) const { return static_cast<int>(RowsOf(list)->size()) - 1; }

// A row chosen from the keyboard is selected as a click selects it.
void Browser::ChooseRow(int list, int row) {
  if (row < 0) return;
  if (list == kFileList) {
    SelectFile(row);
  } else if (row != chain_.box(list).selected) {
    chain_.Select(list, row);
    Dir(list).Select(row);
    Dir_Click(list);
  }
}

}  // namespace vantiro
