// The folder boxes under the mouse: a press selects the folder under the
// pointer for either button, a press below the last entry steps back one
// level, a right press pops up FOLDER, and the empty part of a box drags
// the whole window. A file dropped on a box is copied into its folder.
#include <cmath>

#include "app/form1.h"

namespace vantiro {

// The row under the pointer, from the box's first visible entry; every
// entry is one line of the main window's font high.
int Form1::RowAt(const ListBox& box, Twips y) const {
  const double twipsPerPixel = ws_.TwipsPerPixelY();
  const long rowPixels = std::max(1L, std::lrint(window_->TextHeight("A") / twipsPerPixel));
  return box.TopIndex() + static_cast<int>(std::lrint(y / twipsPerPixel) / rowPixels);
}

void Form1::Dir_MouseDown(int index, const MouseEvent& event) {
  ListBox& box = Dir(index);
  const int row = RowAt(box, event.y);
  if (row > box.Count() - 1) {
    if (index > 0) {
      Dir_Click(index - 1);  // the folder of the box to the left, opened again
    } else {
      ResetCurrentDir();
    }
  } else {
    box.Select(row);
  }
  if (event.button == kRightButton && (index != 0 || box.Selected() >= 0))
    window_->PopupMenu(menu::mnuDirFunctions);
}

void Form1::Dir_MouseMove(int index, const MouseEvent& event) {
  if (event.button == kLeftButton && RowAt(Dir(index), event.y) > Dir(index).Count() - 1)
    window_->DragByCaption();
}

// Box 0, the drives and the favourites, takes no file: the plain arrow says so.
void Form1::Dir_DragOver(int index) {
  files_->SetDragCursor(index == 0 ? DragCursor::Arrow : DragCursor::Copy);
}

// Only the file list starts drags: its selected file goes to the box's folder.
void Form1::Dir_DragDrop(int index, const DragEvent& event) {
  if (index == 0 || event.source != files_.get() || files_->Selected() < 0) return;
  CopyFile(CurrentFolder + files_->Item(files_->Selected()), DirTag(index));
}

// The first file dropped from the shell goes to the box's folder.
void Form1::Dir_OLEDragDrop(int index, const std::vector<std::string>& files) {
  if (files.empty()) {
    ws_.MsgBox("Invalid file.", msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  } else if (DirTag(index).empty()) {
    ws_.MsgBox("You cannot copy anything here. Please select a drive and try again.",
               msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  } else {
    CopyFile(files.front(), DirTag(index));
  }
}

}  // namespace vantiro
