#include "browser/list_keys.h"

#include <algorithm>

#include "chain/names.h"
#include "settings/legacy_text.h"

namespace vantiro {
namespace {

constexpr std::uint32_t kTypingMs = 1000;  // letters typed within this go on one word

}  // namespace

bool ListKeys::KeyDown(int list, const KeyEvent& event) {
  if (event.shift != 0 || list > chain_.LastBox()) return false;
  const bool files = list == ChainLists::kFileList;
  switch (event.keyCode) {
    case key::kReturn:
      if (files) {
        actions_.openFile();
        return true;
      }
      [[fallthrough]];
    case key::kRight:
      if (!files) EnterNext(list);  // the file list is the last
      return true;
    case key::kLeft:
    case key::kBack:
      if (files || list > 0) lists_.Dir(files ? chain_.LastBox() : list - 1).SetFocus();
      return true;
    case key::kF2:
      actions_.rename(list);
      return true;
    case key::kHome:
    case key::kEnd:
      actions_.choose(list, event.keyCode == key::kHome
                                ? 0
                                : static_cast<int>(lists_.RowsOf(list)->size()) - 1);
      return true;
  }
  return false;
}

// The rows of a page are those the list shows whole, less one that stays.
bool ListKeys::FilesKeyDown(const KeyEvent& event) {
  const int rows = static_cast<int>(chain_.files().entries.size());
  const int focus = chain_.files().selection.Focus();
  ListBox& files = lists_.Files();
  const int page = std::max(1, lists_.RowAt(files, files.Height()) - files.TopIndex() - 1);
  int row = 0;
  switch (event.keyCode) {
    case key::kUp:
      row = focus - 1;
      break;
    case key::kDown:
      row = focus + 1;
      break;
    case key::kPageUp:
      row = focus - page;
      break;
    case key::kPageDown:
      row = focus + page;
      break;
    case key::kHome:
      row = 0;
      break;
    case key::kEnd:
      row = rows - 1;
      break;
    case key::kA:
      if (event.shift != kCtrlKey) return false;
      actions_.selectAllFiles();
      return true;
    default:
      return false;
  }
  if (rows > 0) actions_.clickFile(std::clamp(row, 0, rows - 1), event.shift & kShiftKey);
  return true;
}

// Into the box the selection opened, or the file list after the last box;
// a list entered with nothing selected selects its first entry.
void ListKeys::EnterNext(int index) {
  const int next = index < chain_.LastBox() ? index + 1 : ChainLists::kFileList;
  lists_.ListOf(next).SetFocus();
  if (lists_.SelectedRow(next) < 0) actions_.choose(next, 0);
}

// A box beyond the chain's end (emptied while its folder is read again)
// shows no rows of the chain: typing there is left to the list box.
bool ListKeys::TypeAhead(int list, const KeyEvent& event) {
  const std::vector<std::string>* rows = lists_.RowsOf(list);
  if (!rows) return false;
  const std::string typed = Utf8Of(static_cast<char32_t>(event.keyCode));
  const bool goesOn = typing_.list == list && event.time - typing_.time < kTypingMs;
  typing_ = {list, goesOn ? typing_.text + typed : typed, event.time};
  actions_.choose(list, TypedEntry(*rows, typing_.text, lists_.SelectedRow(list)));
  return true;
}

}  // namespace vantiro
