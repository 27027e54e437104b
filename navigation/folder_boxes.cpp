// The row of folder boxes: box 0 lists the drives, a separator and the
// favourites; box k lists the sub-folders of the folder opened in box k-1.
#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "navigation/names.h"

namespace vantiro {

void Form1::CreateDirBox() {
  const int index = DirCount();
  ListBox::Events events;
  events.click = [this, index] { Dir_Click(index); };
  events.dblClick = [this] { Dir_DblClick(); };
  events.mouseDown = [this, index](const MouseEvent& event) { Dir_MouseDown(index, event); };
  events.mouseMove = [this, index](const MouseEvent& event) { Dir_MouseMove(index, event); };
  events.dragOver = [this, index](const DragEvent&) { Dir_DragOver(index); };
  events.dragDrop = [this, index](const DragEvent& event) { Dir_DragDrop(index, event); };
  events.shellDragOver = [this](bool offersFiles, int effects) {
    return Files_OLEDragOver(offersFiles, effects);  // the same rule: a copy of files
  };
  events.shellDrop = [this, index](const std::vector<std::string>& files) {
    Dir_OLEDragDrop(index, files);
  };
  dirs_.push_back({window_->CreateListBox(std::move(events)), {}});
}

void Form1::LoadDir0() {
  if (LastLoadedBox == -1) {
    LastLoadedBox = 0;
    CreateDirBox();
    Dir(0).SetVisible(true);
    Dir(0).SetLeft(0);
  }
  window_->SetMenuVisible(menu::mnuFileFunctions, false);
  window_->SetMenuVisible(menu::mnuDirFunctions, false);
  window_->SetCaption(kCaption);
  std::vector<std::string> entries = fs_.Drives();
  driveCount_ = static_cast<int>(entries.size());
  entries.emplace_back();  // the separator
  Dir(0).SetItems(std::move(entries));
  SetHorizontalExtent(0);
  LastBox = 0;
  ShowBoxesInUse();
  Dir(0).SetWidth(ActiveBoxWidth);
  Dir(0).SetHeight(window_->ClientHeight());
  Dir(0).SetBackColor(FoldersBackColor);
}

DirStatus Form1::Update_Dir(int index, const std::string& path) {
  if (index < 1 || index > LastLoadedBox + 1) return DirStatus::Failed;
  CurrentFolder = path;
  std::optional<std::vector<std::string>> folders = fs_.SubFolders(path);
  if (!folders) return DirStatus::Failed;  // LastBox has not been touched yet
  if (folders->empty()) {
    LastBox = index - 1;
    ShowBoxesInUse();
    Dir(index - 1).SetWidth(ActiveBoxWidth);
    WakeTimer1();
    return DirStatus::NoSubFolders;
  }
  if (!window_->MenuChecked(menu::mnuAnimation)) Dir(index - 1).SetWidth(BoxesWidth);
  LastBox = index;
  if (index == LastLoadedBox + 1) {
    ++LastLoadedBox;
    CreateDirBox();
    Dir(LastBox).SetVisible(true);
    Dir(LastBox).SetLeft(ClampTwips(std::int64_t{LastLoadedBox} * BoxesWidth));
    Dir(LastBox).AcceptShellDrops();
  }
  ShowBoxesInUse();
  FolderBox& box = dirs_[static_cast<std::size_t>(LastBox)];
  box.tag = path;
  box.box->SetWidth(ActiveBoxWidth);
  box.box->SetHeight(Dir(0).Height());
  box.box->SetBackColor(FoldersBackColor);
  std::vector<std::string> entries;
  entries.reserve(folders->size());
  for (const std::string& folder : *folders) {
    entries.push_back(LowerCase(folder.size() > path.size() ? folder.substr(path.size()) : folder));
  }
  SortByName(entries);
  box.box->SetItems(std::move(entries));
  SetHorizontalExtent(index);
  WakeTimer1();
  return DirStatus::Opened;
}

// Boxes beyond the active one keep their stale entries for reuse, but a
// box to the right of LastBox would stand over the active box and the file
// list: only boxes 0 (always in use) to LastBox are shown.
void Form1::ShowBoxesInUse() {
  for (int i = 1; i < DirCount(); ++i) {
    if (Dir(i).Visible() != (i <= LastBox)) Dir(i).SetVisible(i <= LastBox);
  }
}

// A scroll extent a little wider than the widest text: widths in twips are
// divided by 14, not by the 15 twips of a pixel.
std::int32_t Form1::HorizontalExtent(const std::vector<std::string>& texts) const {
  std::int32_t widest = 0;
  for (Twips width : window_->TextWidths(texts)) {
    const double w = width / 14.0;
    if (w > widest) widest = static_cast<std::int32_t>(std::lrint(w));
  }
  return widest;
}

// Box 0's favourites are measured again only when they changed: every
// rebuild of box 0 empties it and puts back the same, maybe thousands, of
// them. The drives alone, as the rebuild leaves them at first, keep the
// favourites last measured.
std::int32_t Form1::Dir0Extent() {
  const std::vector<std::string>& items = Dir(0).Items();
  const std::span<const std::string> favorites = Favorites();
  const std::int32_t drives =
      HorizontalExtent({items.begin(), items.end() - std::ssize(favorites)});
  if (favorites.empty()) return drives;
  if (!std::ranges::equal(favorites, measuredFavorites_.texts)) {
    measuredFavorites_.texts.assign(favorites.begin(), favorites.end());
    measuredFavorites_.widest = HorizontalExtent(measuredFavorites_.texts);
  }
  return std::max(drives, measuredFavorites_.widest);
}

void Form1::SetHorizontalExtent(int index) {
  Dir(index).SetHorizontalExtent(index == 0 ? Dir0Extent() : HorizontalExtent(Dir(index).Items()));
}

int Form1::IsFolderOk() {
  if (CurrentFolder.empty()) {
    ws_.MsgBox("Please select a valid folder...", msgbox::kOkOnly | msgbox::kInformation,
               kAppTitle);
    return msgbox::kNo;
  }
  return msgbox::kYes;
}

// Box 0 is rebuilt out of sight: shown, a box of thousands of favourites
// would redraw its scroll bars as it empties and fills again.
// The favourites saved first go back as they were, without reading back the
// file that now holds them.
void Form1::ResetCurrentDir() {
  Favorites_Save();  // box 0 is rebuilt from the drives alone
  std::vector<std::string> favorites(Favorites().begin(), Favorites().end());
  LastBox = 0;
  Dir(0).SetVisible(false);
  LoadDir0();
  files_->Clear();
  ResizeWindow();
  AppendFavorites(std::move(favorites));
  Dir(0).SetVisible(true);
  HidePictureViewer();
  HidePlayer(true);
  HideHtmlList();
}

void Form1::Refresh_All() {
  Config_Save();
  dirs_.clear();
  LastBox = -1;
  LastLoadedBox = -1;
  files_->Clear();
  HideHtmlList();  // the titles went with the file list; reopened folders show them again
  LoadDir0();
  Dir(0).SetVisible(false);  // filled with the favourites out of sight, as above
  Config_Load();
  Dir(0).SetVisible(true);
  ResizeWindow();
}

void Form1::mnuRefresh_Click() { Refresh_All(); }

}  // namespace vantiro
