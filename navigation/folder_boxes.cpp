// The row of folder boxes: box 0 lists the drives, a separator and the
// favourites; box k lists the sub-folders of the folder opened in box k-1.
// The boxes beyond the active one are kept, hidden, for reuse.
#include <algorithm>
#include <cmath>
#include <utility>

#include "navigation/browser.h"
#include "navigation/menu_names.h"

namespace vantiro {

Browser::Browser(WindowSystem& ws, FileSystem& fs, Window& main, Host& host, Previews& previews,
                 SettingsFiles& files, const Options& options, const Appearance& appearance)
    : ws_(ws),
      fs_(fs),
      main_(main),
      host_(host),
      previews_(previews),
      settingsFiles_(files),
      options_(options),
      look_(appearance),
      chain_(fs,
             [&main](const std::vector<std::string>& texts) { return main.TextWidths(texts); }) {
  ListBox::Events events;
  events.click = [this] {
    chain_.SelectFile(files_->Selected());
    Files_Click();
  };
  events.dblClick = [this] { Files_DblClick(); };
  events.mouseDown = [this](const MouseEvent& event) { Files_MouseDown(event); };
  events.mouseMove = [this](const MouseEvent& event) { Files_MouseMove(event); };
  events.dragOver = [this](const DragEvent& event) { Files_DragOver(event); };
  events.shellDragOver = [this](bool offersFiles, int effects) {
    return Files_OLEDragOver(offersFiles, effects);
  };
  events.shellDrop = [this](const std::vector<std::string>& files) { Files_OLEDragDrop(files); };
  events.keyDown = [this](const KeyEvent& event) { return Files_KeyDown(event); };
  events.keyPress = [this](const KeyEvent& event) { return Files_KeyPress(event); };
  // The file list waits beyond the design width until a folder fills it.
  files_ = main_.CreateListBox(std::move(events));
  files_->Move(main_.ClientWidth(), 0, look_.activeBoxWidth, main_.ClientHeight());
  files_->SetVisible(true);
}

Browser::~Browser() = default;

void Browser::CreateDirBox() {
  const int index = DirCount();
  ListBox::Events events;
  // The release of a press that opened an entry reports the same selection
  // again; a click on the entry already selected opens it again.
  events.click = [this, index] {
    const int row = Dir(index).Selected();
    if (index > chain_.LastBox() ||
        (std::exchange(pressOpened_, -1) == index && row == chain_.box(index).selected)) {
      return;
    }
    chain_.Select(index, row);
    Dir_Click(index);
  };
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
  events.keyDown = [this, index](const KeyEvent& event) { return Dir_KeyDown(index, event); };
  events.keyPress = [this, index](const KeyEvent& event) { return Dir_KeyPress(index, event); };
  dirs_.push_back(main_.CreateListBox(std::move(events)));
}

void Browser::LoadDir0() {
  if (dirs_.empty()) {
    CreateDirBox();
    Dir(0).SetVisible(true);
    Dir(0).SetLeft(0);
  }
  main_.SetMenuVisible(menu::mnuFileFunctions, false);
  main_.SetMenuVisible(menu::mnuDirFunctions, false);
  main_.SetCaption(kCaption);
  chain_.LoadDir0();
  DrawBox(0);
  ShowBoxesInUse();
  Dir(0).SetWidth(look_.activeBoxWidth);
  Dir(0).SetHeight(main_.ClientHeight());
  Dir(0).SetBackColor(look_.foldersBackColor);
}

// The last box of the chain is the active one, wide, with the file list
// beside it; a box that ends the chain for the first time is made.
void Browser::ShowChainEnd() {
  const int last = chain_.LastBox();
  if (last > 0 && !options_.animation) Dir(last - 1).SetWidth(look_.boxesWidth);
  if (last == DirCount()) {
    CreateDirBox();
    Dir(last).SetVisible(true);
    Dir(last).SetLeft(ClampTwips(std::int64_t{last} * look_.boxesWidth));
    Dir(last).AcceptShellDrops();
  }
  ShowBoxesInUse();
  ListBox& box = Dir(last);
  box.SetWidth(look_.activeBoxWidth);
  if (last > 0) {
    box.SetHeight(Dir(0).Height());
    box.SetBackColor(look_.foldersBackColor);
  }
  PlaceFiles();
  host_.WakeTimer1();
}

// Boxes beyond the active one keep their stale entries for reuse, but a
// box to the right of LastBox would stand over the active box and the file
// list: only boxes 0 (always in use) to LastBox are shown.
void Browser::ShowBoxesInUse() {
  for (int i = 1; i < DirCount(); ++i) {
    if (Dir(i).Visible() != (i <= chain_.LastBox())) Dir(i).SetVisible(i <= chain_.LastBox());
  }
}

// A scroll extent a little wider than the widest text: widths in twips are
// divided by 14, not by the 15 twips of a pixel.
std::int32_t Browser::Extent(Twips widest) {
  return static_cast<std::int32_t>(std::lrint(widest / 14.0));
}

std::int32_t Browser::HorizontalExtent(const std::vector<std::string>& texts) const {
  const std::vector<Twips> widths = main_.TextWidths(texts);
  return widths.empty() ? 0 : Extent(std::ranges::max(widths));
}

// Box 0's favourites are measured again only when they changed: every
// rebuild of box 0 puts back the same, maybe thousands, of them.
std::int32_t Browser::Dir0Extent() {
  const std::vector<std::string>& entries = chain_.box(0).entries;
  const std::span<const std::string> favorites = chain_.Favorites();
  const std::int32_t drives =
      HorizontalExtent({entries.begin(), entries.end() - std::ssize(favorites)});
  if (favorites.empty()) return drives;
  if (!std::ranges::equal(favorites, measuredFavorites_.texts)) {
    measuredFavorites_.texts.assign(favorites.begin(), favorites.end());
    measuredFavorites_.widest = HorizontalExtent(measuredFavorites_.texts);
  }
  return std::max(drives, measuredFavorites_.widest);
}

void Browser::SetHorizontalExtent(int index) {
  Dir(index).SetHorizontalExtent(index == 0 ? Dir0Extent() : Extent(chain_.box(index).widest));
}

int Browser::IsFolderOk() {
  if (chain_.CurrentFolder().empty()) {
    ws_.MsgBox("Please select a valid folder...", msgbox::kOkOnly | msgbox::kInformation,
               kAppTitle);
    return msgbox::kNo;
  }
  return msgbox::kYes;
}

// Box 0 is rebuilt out of sight: shown, a box of thousands of favourites
// would redraw its scroll bars as it empties and fills again. The
// favourites are saved first, as every return to box 0 does.
void Browser::ResetCurrentDir() {
  Favorites_Save();
  Dir(0).SetVisible(false);
  LoadDir0();
  chain_.ClearFiles();
  DrawFiles();
  host_.ResizeWindow();
  Dir(0).SetVisible(true);
  previews_.HidePictureViewer();
  previews_.HidePlayer(true);
  previews_.HideHtmlList();
  FollowShown();
}

void Browser::Refresh_All() {
  host_.Config_Save();
  dirs_.clear();
  chain_.ClearFiles();
  DrawFiles();
  previews_.HideHtmlList();  // the titles went with the file list; reopened folders show them again
  LoadDir0();
  Dir(0).SetVisible(false);  // filled with the favourites out of sight, as above
  host_.Config_Load();
  Dir(0).SetVisible(true);
  host_.ResizeWindow();
  FollowShown();
}

}  // namespace vantiro
