// A list box: entries of text, one selected or, where the program chooses
// them, several; files dropped from the shell. It shows what the program
// gives it: a short list it keeps a copy of, or rows it reads from the
// program as it draws them.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control.h"
#include "platform/file_system.h"

namespace vantiro {

// Rows first to last of a list, both included.
struct RowRun {
  int first = 0;
  int last = 0;
  bool operator==(const RowRun&) const = default;
};

// A list box shows whole rows only: the height read back may be a little
// lower than the height set.
class ListBox : public Control {
 public:
  struct Events {
    std::function<void()> click;  // the user selected an entry
    std::function<void()> dblClick;
    std::function<void(const MouseEvent&)> mouseDown;
    std::function<void(const MouseEvent&)> mouseMove;
    // A drag from the shell passing over the box, keys the shift keys held:
    // returns the effect to allow out of the effects offered. With a
    // shellDrop handler the box is a drop target for the shell; the drop
    // brings the effect allowed last.
    std::function<int(bool offersFiles, int effects, int keys)> shellDragOver;
    std::function<void(const std::vector<std::string>& files, int effect)> shellDrop;
    // A key pressed, or a character typed (no control character), while the
    // box has the focus: true when the program took it, and the box does
    // nothing of its own with it.
    std::function<bool(const KeyEvent&)> keyDown;
    std::function<bool(const KeyEvent&)> keyPress;
    // Shift+F10 or the menu key, while the box has the focus.
    std::function<void()> menuKey;
    // The program chooses the rows selected, several at a time: every left
    // press goes to mouseDown (a second one then to dblClick), the keys
    // that move a selection do nothing of the box's own, and the box shows
    // what SelectRows gives it.
    bool selectsMany = false;
  };

  // The text of row i, for any i below the count the box was given; a row
  // that has gone since reads "".
  using RowText = std::function<std::string(std::size_t)>;
  // What a box shows of its rows besides their text: the runs selected (one
  // row at most in a box of one), the row with the focus rectangle, scrolled
  // into view, and the first row in sight (-1: where the focus leaves it).
  struct RowsShown {
    std::vector<RowRun> selected;
    int focus = -1;
    int top = -1;
  };

  // Shows copies of items, from the top, nothing selected.
  virtual void SetItems(const std::vector<std::string>& items) = 0;
  // Shows count rows read from rows as shown says, drawn once: the box
  // keeps no copy, so a list of any length shows at once.
  virtual void ShowRows(std::size_t count, RowText rows, const RowsShown& shown) = 0;
  // The rows shown have grown to count, the selection and scroll kept.
  virtual void ShowMoreRows(std::size_t count) = 0;
  // The rows read blank and none is selected, until the next ShowRows; their
  // count, and so the scroll bars, stay: a list emptied while its next rows
  // are read is laid out once.
  virtual void BlankRows() = 0;

  // -1 when nothing is selected. Select only shows a selection: the click
  // handler hears the user's changes alone.
  virtual int Selected() const = 0;
  virtual void Select(int index) = 0;
  // Shows runs selected and focus as the row with the focus rectangle,
  // scrolled into view.
  virtual void SelectRows(const std::vector<RowRun>& runs, int focus) = 0;
  virtual int TopIndex() const = 0;

  virtual void SetBackColor(Color color) = 0;
  // How far the box scrolls sideways: no scroll bar while it is as wide.
  virtual void SetHorizontalExtent(Twips width) = 0;
  // Lets the shell drop files on the box (DragAcceptFiles).
  virtual void AcceptShellDrops() = 0;
  // Called in mouseDown, the left button held: waits until the mouse moves
  // past the system's drag distance (true) or the button is let go (false).
  virtual bool DragStarts() = 0;
};

// The row under a point of a list box whose first visible entry is topIndex
// and whose rows are one line of its window's font (rowHeight twips) high;
// past the last entry for a point below them.
inline int RowAt(int topIndex, Twips y, Twips rowHeight, int twipsPerPixel) {
  const auto pixels = [twipsPerPixel](Twips twips) {
    return static_cast<long>(std::lrint(static_cast<double>(twips) / twipsPerPixel));
  };
  return topIndex + static_cast<int>(pixels(y) / std::max(1L, pixels(rowHeight)));
}

}  // namespace vantiro
