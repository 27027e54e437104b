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

// A key in a box or in the file list; false leaves it to the list box.
bool Browser::KeyDown(int list, const KeyEvent& event) {
  if (event.shift != 0 || list > chain_.LastBox()) return false;
  const bool files = list == kFileList;
  switch (event.keyCode) {
    case key::kReturn:
      if (files) {
        Files_DblClick();
        return true;
      }
      [[fallthrough]];
    case key::kRight:
      if (!files) EnterNext(list);  // the file list is the last
      return true;
    case key::kLeft:
    case key::kBack:
      if (files || list > 0) Dir(files ? chain_.LastBox() : list - 1).SetFocus();
      return true;
    case key::kHome:
    case key::kEnd:
      ChooseRow(list, event.keyCode == key::kHome ? 0 : LastRow(list));
      return true;
  }
  return false;
}

// Into the box the selection opened, or the file list after the last box;
// a list entered with nothing selected selects its first entry.
void Browser::EnterNext(int index) {
  const int next = index < chain_.LastBox() ? index + 1 : kFileList;
  ListOf(next).SetFocus();
  if (SelectedRow(next) < 0) ChooseRow(next, 0);
}

// A box beyond the chain's end (emptied while its folder is read again)
// shows no rows of the chain: typing there is left to the list box.
bool Browser::TypeAhead(int list, const KeyEvent& event) {
  const std::vector<std::string>* rows = RowsOf(list);
  if (!rows) return false;
  const char typed = static_cast<char>(event.keyCode);
  const bool goesOn = typing_.list == list && event.time - typing_.time < kTypingMs;
  typing_ = {list, goesOn ? typing_.text + typed : std::string(1, typed), event.time};
  ChooseRow(list, TypedEntry(*rows, typing_.text, SelectedRow(list)));
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
