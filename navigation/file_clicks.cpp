// The file list under the mouse: a click selects a file and shows the FILE
// menu, a right click pops up FILE or FOLDER, a press below the last file
// lets the user drag the whole window.
#include "app/form1.h"

namespace vantiro {

void Form1::Files_Click() {
  const std::string name = files_->Item(files_->Selected());
  if (name.size() < 5) return;
  window_->SetMenuVisible(menu::mnuFileFunctions, true);
  Preview(name, CurrentFolder + name);
}

void Form1::Files_MouseDown(const MouseEvent& event) {
  int row = RowAt(*files_, event.y);
  if (row > files_->Count() - 1) {
    row = -1;
    window_->SetMenuVisible(menu::mnuFileFunctions, false);
  }
  files_->Select(row);
  ListBox& titles = frmHTML().List1();
  if (files_->Selected() <= titles.Count() - 1) titles.Select(files_->Selected());
  if (event.button == kLeftButton && files_->Selected() != -1) {
    files_->SetDragCursor(DragCursor::Copy);
    files_->BeginDrag();  // dropped on a folder box, it copies the file there
  }
  if (event.button == kRightButton) {
    files_->SetFocus();
    window_->PopupMenu(window_->MenuVisible(menu::mnuFileFunctions) ? menu::mnuFileFunctions
                                                                    : menu::mnuDirFunctions);
  }
}

void Form1::Files_MouseMove(const MouseEvent& event) {
  if (event.button == kLeftButton) window_->DragByCaption();
}

// Over the file list itself a drop does nothing: the plain arrow says so.
void Form1::Files_DragOver(const DragEvent& /*event*/) { files_->SetDragCursor(DragCursor::Arrow); }

int Form1::Files_OLEDragOver(bool offersFiles, int effects) {
  return offersFiles ? (effects & kDropCopy) : kDropNone;
}

// Files dropped from the shell: the first one is copied into the current
// folder, when there is one.
void Form1::Files_OLEDragDrop(const std::vector<std::string>& files) {
  if (files.empty() || CurrentFolder.empty()) {
    ws_.MsgBox("Invalid file.", msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  CopyFile(files.front(), CurrentFolder);
}

}  // namespace vantiro
