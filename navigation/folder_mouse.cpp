// The folder boxes under the mouse: a press selects the folder under the
// pointer for either button, a press below the last entry steps back one
// level, a right press pops up FOLDER, and the empty part of a box drags
// the whole window. A file dropped on a box is copied into its folder.
#include "navigation/browser.h"
#include "navigation/menu_names.h"

namespace vantiro {

// Every entry is one line of the main window's font high.
int Browser::RowAt(const ListBox& box, Twips y) const {
  return vantiro::RowAt(box, y, main_.TextHeight("A"), ws_.TwipsPerPixelY());
}

void Browser::Dir_MouseDown(int index, const MouseEvent& event) {
  pressOpened_ = -1;
  if (index > chain_.LastBox()) return;
  const int row = RowAt(Dir(index), event.y);
  if (row > std::ssize(chain_.box(index).entries) - 1) {
    if (index > 0) {
      Dir_Click(index - 1);  // the folder of the box to the left, opened again
    } else {
      ResetCurrentDir();
    }
  } else if (row != chain_.box(index).selected) {
    chain_.Select(index, row);
    Dir(index).Select(row);
    Dir_Click(index);
    pressOpened_ = index;
  }
  if (event.button == kRightButton && (index != 0 || chain_.box(0).selected >= 0))
    main_.PopupMenu(menu::mnuDirFunctions);
}

void Browser::Dir_MouseMove(int index, const MouseEvent& event) {
  if (index <= chain_.LastBox() && event.button == kLeftButton &&
      RowAt(Dir(index), event.y) > std::ssize(chain_.box(index).entries) - 1) {
    main_.DragByCaption();
  }
}

// Box 0, the drives and the favourites, takes no file: the plain arrow says so.
void Browser::Dir_DragOver(int index) {
  files_->SetDragCursor(index == 0 ? DragCursor::Arrow : DragCursor::Copy);
}

// Only the file list starts drags: its selected file goes to the box's folder.
void Browser::Dir_DragDrop(int index, const DragEvent& event) {
  const std::optional<std::string> file = chain_.SelectedFilePath();
  if (index == 0 || index > chain_.LastBox() || event.source != files_.get() || !file) return;
  host_.CopyFile(*file, chain_.box(index).tag);
}

// The first file dropped from the shell goes to the box's folder.
void Browser::Dir_OLEDragDrop(int index, const std::vector<std::string>& files) {
  if (files.empty()) {
    ws_.MsgBox("Invalid file.", msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  } else if (index == 0 || index > chain_.LastBox()) {
    ws_.MsgBox("You cannot copy anything here. Please select a drive and try again.",
               msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  } else {
    host_.CopyFile(files.front(), chain_.box(index).tag);
  }
}

}  // namespace vantiro
