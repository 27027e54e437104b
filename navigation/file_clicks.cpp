// The file list beside the active box: its filling, and under the mouse a
// click that selects a file and shows the FILE menu, a right click that pops
// up FILE or FOLDER, and a press below the last file that drags the window.
#include "navigation/browser.h"
#include "navigation/menu_names.h"
#include "navigation/names.h"

namespace vantiro {

// The file list stands right of the active box.
void Browser::PlaceFiles() {
  files_->SetLeft(
      ClampTwips(std::int64_t{chain_.LastBox()} * look_.boxesWidth + look_.activeBoxWidth));
  files_->SetHeight(Dir(0).Height());
  files_->SetWidth(look_.activeBoxWidth);
  files_->SetBackColor(look_.filesBackColor);
}

void Browser::SetFilesHorizontalExtent() {
  files_->SetHorizontalExtent(Extent(chain_.files().widest));
}

void Browser::mnuFilters_Click() {
  const std::string answer = ws_.InputBox("Please enter one or more filters (i.e. *.bmp)",
                                          "File Filters", chain_.Filter());
  if (answer.empty()) return;
  chain_.SetFilter(answer);
  Refresh_All();
}

// A file chosen ends the restore of a saved chain.
void Browser::Files_Click() {
  restoring_.reset();
  const std::optional<std::string> path = chain_.SelectedFilePath();
  if (!path) return;
  const std::string& name =
      chain_.files().entries[static_cast<std::size_t>(chain_.files().selected)];
  if (name.size() < 5) return;
  main_.SetMenuVisible(menu::mnuFileFunctions, true);
  if (previews_.Preview(name, *path)) TakeFocusBack();
}

void Browser::TakeFocusBack() {
  main_.Show();
  main_.SetFocus();
  files_->SetFocus();
}

void Browser::SelectFile(int row) {
  if (row < -1 || row >= std::ssize(chain_.files().entries)) row = -1;
  if (row == chain_.files().selected) return;
  chain_.SelectFile(row);
  files_->Select(row);
  Files_Click();
}

bool Browser::ReselectFile(int entry, const std::string& text) {
  const std::vector<std::string>& entries = chain_.files().entries;
  if (entry < -1 || entry >= std::ssize(entries)) return false;
  const std::string name = entry < 0 ? "" : entries[static_cast<std::size_t>(entry)];
  if (name != text && FileRow(name) != text) return false;
  SelectFile(entry);
  return true;
}

void Browser::Files_MouseDown(const MouseEvent& event) {
  int row = RowAt(*files_, event.y);
  if (row > std::ssize(chain_.files().entries) - 1) {
    row = -1;
    main_.SetMenuVisible(menu::mnuFileFunctions, false);
  }
  SelectFile(row);
  if (row <= std::ssize(chain_.files().titles) - 1) previews_.frmHTML().List1().Select(row);
  if (event.button == kLeftButton && row != -1) {
    files_->SetDragCursor(DragCursor::Copy);
    files_->BeginDrag();  // dropped on a folder box, it copies the file there
  }
  if (event.button == kRightButton) {
    files_->SetFocus();
    main_.PopupMenu(main_.MenuVisible(menu::mnuFileFunctions) ? menu::mnuFileFunctions
                                                              : menu::mnuDirFunctions);
  }
}

// A title stands for the HTML file on the same line of the file list: a
// press selects both, below the last title neither; a right press pops up
// FILE when a file is selected, else FOLDER.
void Browser::Titles_MouseDown(int row, int button) {
  if (row <= std::ssize(chain_.files().entries) - 1) SelectFile(row);
  if (button == kRightButton) {
    main_.PopupMenu(main_.MenuVisible(menu::mnuFileFunctions) ? menu::mnuFileFunctions
                                                              : menu::mnuDirFunctions);
  }
}

void Browser::Files_MouseMove(const MouseEvent& event) {
  if (event.button == kLeftButton) main_.DragByCaption();
}

// Over the file list itself a drop does nothing: the plain arrow says so.
void Browser::Files_DragOver(const DragEvent& /*event*/) {
  files_->SetDragCursor(DragCursor::Arrow);
}

int Browser::Files_OLEDragOver(bool offersFiles, int effects) {
  return offersFiles ? (effects & kDropCopy) : kDropNone;
}

// Files dropped from the shell: the first one is copied into the current
// folder, when there is one.
void Browser::Files_OLEDragDrop(const std::vector<std::string>& files) {
  if (files.empty() || chain_.CurrentFolder().empty()) {
    ws_.MsgBox("Invalid file.", msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    return;
  }
  host_.CopyFile(files.front(), chain_.CurrentFolder());
}

}  // namespace vantiro
