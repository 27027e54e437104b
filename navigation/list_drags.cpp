#include "navigation/list_drags.h"

#include "settings/program.h"

namespace vantiro {

void ListDrags::Dir_MouseMove(int index, const MouseEvent& event) {
  if (index <= chain_.LastBox() && event.button == kLeftButton &&
      lists_.RowAt(lists_.Dir(index), event.y) > std::ssize(chain_.box(index).entries) - 1) {
    main_.DragByCaption();
  }
}

// Box 0, the drives and the favourites, takes no file: the plain arrow says so.
void ListDrags::Dir_DragOver(int index) {
  lists_.Files().SetDragCursor(index == 0 ? DragCursor::Arrow : DragCursor::Copy);
}

// Only the file list starts drags: its selected file goes to the box's folder.
void ListDrags::Dir_DragDrop(int index, const DragEvent& event) {
  const std::optional<std::string> file = chain_.SelectedFilePath();
  if (index == 0 || index > chain_.LastBox() || event.source != &lists_.Files() || !file) return;
  copy_(*file, chain_.box(index).tag);
}

// The first file dropped from the shell goes to the box's folder.
void ListDrags::Dir_OLEDragDrop(int index, const std::vector<std::string>& files) {
  if (files.empty()) {
    ws_.MsgBox("Invalid file.", msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  } else if (index == 0 || index > chain_.LastBox()) {
    ws_.MsgBox("You cannot copy anything here. Please select a drive and try again.",
               msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  } else {
    copy_(files.front(), chain_.box(index).tag);
  }
}

void ListDrags::Files_MouseMove(const MouseEvent& event) {
  if (event.button == kLeftButton) main_.DragByCaption();
}

// Over the file list itself a drop does nothing: the plain arrow says so.
void ListDrags::Files_DragOver() { lists_.Files().SetDragCursor(DragCursor::Arrow); }

// The same rule over a box: a copy of files.
int ListDrags::Files_OLEDragOver(bool offersFiles, int effects) {
  return offersFiles ? (effects & kDropCopy) : kDropNone;
}

// Files dropped from the shell: the first one is copied into the current
// folder, when there is one.
void ListDrags::Files_OLEDragDrop(const std::vector<std::string>& files) {
  if (files.empty() || chain_.CurrentFolder().empty()) {
    ws_.MsgBox("Invalid file.", msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  copy_(files.front(), chain_.CurrentFolder());
}

}  // namespace vantiro
