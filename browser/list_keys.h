// The keyboard across the boxes and the file list. Right and Enter go into
// the next box, Left and Backspace back, Home and End to the ends of a list,
// and letters typed in a row jump to the entry they begin. In a box, Up,
// Down and the page keys the list box moves by itself; in the file list
// they move as clicks do, with Shift stretching the selection, and Ctrl+A
// selects every file. Any new selection opens its folder or previews its
// file, as a click does.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "browser/chain_lists.h"

namespace vantiro {

class ListKeys {
 public:
  struct Actions {
    std::function<void(int list, int row)> choose;     // selects a row as a click does
    std::function<void(int row, int keys)> clickFile;  // a click with keys held
    std::function<void()> selectAllFiles;
    std::function<void()> openFile;        // Enter in the file list
    std::function<void(int list)> rename;  // F2: what the list selects
  };
  ListKeys(const FolderChain& chain, ChainLists& lists, Actions actions)
      : chain_(chain), lists_(lists), actions_(std::move(actions)) {}

  // Each false leaves the key to the list box.
  bool Dir_KeyDown(int index, const KeyEvent& event) { return KeyDown(index, event); }
  bool Files_KeyDown(const KeyEvent& event) {
    return FilesKeyDown(event) || KeyDown(ChainLists::kFileList, event);
  }
  bool Dir_KeyPress(int index, const KeyEvent& event) { return TypeAhead(index, event); }
  bool Files_KeyPress(const KeyEvent& event) { return TypeAhead(ChainLists::kFileList, event); }

 private:
  bool KeyDown(int list, const KeyEvent& event);
  bool FilesKeyDown(const KeyEvent& event);
  void EnterNext(int index);
  bool TypeAhead(int list, const KeyEvent& event);

  const FolderChain& chain_;
  ChainLists& lists_;
  Actions actions_;
  struct {
    int list = ChainLists::kFileList - 1;  // none yet
    std::string text;
    std::uint32_t time = 0;
  } typing_;  // the letters typed in a row, and the list they were typed in
};

}  // namespace vantiro
