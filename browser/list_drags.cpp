#include "browser/list_drags.h"

#include "settings/program.h"

namespace vantiro {

bool ListDrags::BelowRows(ListBox& list, const std::vector<std::string>& rows, Twips y) const {
  return lists_.RowAt(list, y) > std::ssize(rows) - 1;
}

void ListDrags::Dir_MouseMove(int index, const MouseEvent& event) {
  if (index <= chain_.LastBox() && event.button == kLeftButton &&
      BelowRows(lists_.Dir(index), chain_.box(index).entries, event.y)) {
    main_.DragByCaption();
  }
}

// Files dropped on a box go to its folder; box 0, the drives and the
// favourites, takes none.
void ListDrags::Dir_OLEDragDrop(int index, const std::vector<std::string>& files, int effect) {
  if (files.empty()) {
    ws_.MsgBox("Invalid file.", msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  } else if (index == 0 || index > chain_.LastBox()) {
    ws_.MsgBox("You cannot copy anything here. Please select a drive and try again.",
               msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  } else {
    drop_(files, chain_.box(index).tag, effect);
  }
}

void ListDrags::Files_MouseMove(const MouseEvent& event) {
  if (event.button == kLeftButton && BelowRows(lists_.Files(), chain_.files().entries, event.y)) {
    main_.DragByCaption();
  }
}

// The same rule over a box: files are copied, or moved with Shift held,
// where the drag offers it.
int ListDrags::Files_OLEDragOver(bool offersFiles, int effects, int keys) {
  if (!offersFiles) return kDropNone;
  const bool shift = (keys & (kShiftKey | kCtrlKey)) == kShiftKey;
  const int wanted = shift ? kDropMove : kDropCopy, other = shift ? kDropCopy : kDropMove;
  return effects & wanted ? wanted : effects & other;
}

// Files dropped from the shell go into the current folder, when there is
// one.
void ListDrags::Files_OLEDragDrop(const std::vector<std::string>& files, int effect) {
  if (files.empty() || chain_.CurrentFolder().empty()) {
    ws_.MsgBox("Invalid file.", msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  drop_(files, chain_.CurrentFolder(), effect);
}

}  // namespace vantiro
