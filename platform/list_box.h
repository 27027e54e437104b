// A list box: entries of text, one selected, with in-program drags between
// list boxes and files dropped from the shell. It shows what the program
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

namespace vantiro {

// The cursors an in-program drag shows: the plain arrow, or the arrow with
// a small plus and a dotted rectangle (copy).
enum class DragCursor { Arrow, Copy };

class ListBox;

// An in-program drag passing over, or dropped on, a list box.
struct DragEvent {
  ListBox* source = nullptr;  // the list box the drag started from
  Twips x = 0;                // relative to the list box under the mouse
  Twips y = 0;
};

// Drop effects of a shell drag.
inline constexpr int kDropNone = 0;
inline constexpr int kDropCopy = 1;

// A list box shows whole rows only: the height read back may be a little
// lower than the height set.
class ListBox : public Control {
 public:
  struct Events {
    std::function<void()> click;  // the user selected an entry
    std::function<void()> dblClick;
    std::function<void(const MouseEvent&)> mouseDown;
    std::function<void(const MouseEvent&)> mouseMove;
    std::function<void(const DragEvent&)> dragOver;
    std::function<void(const DragEvent&)> dragDrop;
    // A drag from the shell passing over the box: returns the effect to
    // allow out of the effects offered. With a shellDrop handler the box is
    // a drop target for the shell.
    std::function<int(bool offersFiles, int effects)> shellDragOver;
    std::function<void(const std::vector<std::string>& files)> shellDrop;
    // A key pressed, or a character typed (no control character), while the
    // box has the focus: true when the program took it, and the box does
    // nothing of its own with it.
    std::function<bool(const KeyEvent&)> keyDown;
    std::function<bool(const KeyEvent&)> keyPress;
  };

  // The text of row i, for any i below the count the box was given; a row
  // that has gone since reads "".
  using RowText = std::function<std::string(std::size_t)>;

  // Shows copies of items, from the top, nothing selected.
  virtual void SetItems(const std::vector<std::string>& items) = 0;
  // Shows count rows read from rows, from the top, nothing selected: the
  // box keeps no copy, so a list of any length shows at once.
  virtual void ShowRows(std::size_t count, RowText rows) = 0;
  // The rows shown have grown to count, the selection and scroll kept.
  virtual void ShowMoreRows(std::size_t count) = 0;

  // -1 when nothing is selected. Select only shows a selection: the click
  // handler hears the user's changes alone.
  virtual int Selected() const = 0;
  virtual void Select(int index) = 0;
  virtual int TopIndex() const = 0;
  virtual void SetTopIndex(int index) = 0;

  virtual void SetBackColor(Color color) = 0;
  // How far the box scrolls sideways: no scroll bar while it is as wide.
  virtual void SetHorizontalExtent(Twips width) = 0;
  // Lets the shell drop files on the box (DragAcceptFiles).
  virtual void AcceptShellDrops() = 0;
  // Drags from this box within the program until the button is released,
  // showing its drag cursor; the boxes passed over get dragOver, the one
  // under the mouse at the end dragDrop.
  virtual void BeginDrag() = 0;
  virtual void SetDragCursor(DragCursor cursor) = 0;
};

// The row under a point of a list box whose rows are one line of its
// window's font (rowHeight twips) high, counted from its first visible
// entry; past the last entry for a point below them.
inline int RowAt(const ListBox& box, Twips y, Twips rowHeight, int twipsPerPixel) {
  const auto pixels = [twipsPerPixel](Twips twips) {
    return static_cast<long>(std::lrint(static_cast<double>(twips) / twipsPerPixel));
  };
  return box.TopIndex() + static_cast<int>(pixels(y) / std::max(1L, pixels(rowHeight)));
}

}  // namespace vantiro
