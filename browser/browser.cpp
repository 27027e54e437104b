// The folder boxes and the file list: the boxes' clicks and presses open
// folders into the chain, and what the loader finds of the folders shown
// (a folder opened, read again, gone, not ready) is drawn; the file list's
// own handling is FileClicks'.
#include "browser/browser.h"

#include <algorithm>
#include <utility>

#include "chain/names.h"
#include "commands/menu_names.h"

namespace vantiro {
namespace {

// "Vantiro! - " and the row of what box index's selection opens.
std::string Caption(const FolderChain& chain, int index) {
  const std::string entry = chain.EntryOf(index);
  return std::string(kCaption) + " - " + (index == 0 ? entry : FolderRow(entry));
}

}  // namespace

Browser::Browser(WindowSystem& ws, Window& main, FolderChain& chain, FolderLoader& loader,
                 Commands& commands, Host& host, BoxLayout::OnTop& onTop, Previews& previews,
                 SettingsFiles& files, const Options& options, const Appearance& appearance)
    : ws_(ws),
      main_(main),
      chain_(chain),
      loader_(loader),
      commands_(commands),
      host_(host),
      previews_(previews),
      options_(options),
      lists_(ws, main, chain_, previews, options, appearance, ListEvents()),
      layout_(ws, main, chain_, lists_, previews, appearance, onTop,
              [this] { return restore_.Restoring() != nullptr; }),
      files_(ws, main, chain_, lists_, previews, commands, appearance,
             {[this] { Refresh_All(); }, [this] { restore_.End(); }}),
      restore_(chain_,
               {[this](int box, int entry, const std::string& text) {
                  return Reselect(box, entry, text);
                },
                [this] { return !opening_.path.empty(); },
                [this](int row) { files_.ClickFile(row, 0); }, [this] { layout_.ResizeWindow(); }}),
      keys_(chain_, lists_,
            {[this](int list, int row) { ChooseRow(list, row); },
             [this](int row, int keys) { files_.ClickFile(row, keys); },
             [this] { files_.SelectAllFiles(); }, [this] { files_.Files_DblClick(); },
             [this](int list) { Rename(list); }}),
      drags_(ws, main, chain_, lists_,
             [this](const std::vector<std::string>& sources, const std::string& destFolder,
                    int effect) { commands_.copyPaste().DropFiles(sources, destFolder, effect); }),
      favorites_(ws, chain_, lists_, files) {
  loader_.Listen(this);
}

Browser::~Browser() { loader_.Listen(nullptr); }

MenuItem Browser::RefreshEntry(HandlerOf<Browser> of) {
  return Item("mnuRefresh", "Refresh", "F5", Calls(of, &Browser::mnuRefresh_Click));
}

// What the user does in each list, handed to its handler.
ChainLists::Events Browser::ListEvents() {
  ChainLists::Events events;
  events.box = [this](int index) {
    ListBox::Events box;
    // The release of a press that opened an entry reports the same selection
    // again; a click on the entry already selected opens it again.
    box.click = [this, index] {
      const int row = lists_.Dir(index).Selected();
      if (index > chain_.LastBox() ||
          (std::exchange(pressOpened_, -1) == index && row == chain_.box(index).selected)) {
        return;
      }
      chain_.Select(index, row);
      Dir_Click(index);
    };
    box.dblClick = [this] { Dir_DblClick(); };
    box.mouseDown = [this, index](const MouseEvent& event) { Dir_MouseDown(index, event); };
    box.mouseMove = [this, index](const MouseEvent& event) { drags_.Dir_MouseMove(index, event); };
    box.shellDragOver = [this](bool offersFiles, int effects, int keys) {
      return drags_.Files_OLEDragOver(offersFiles, effects, keys);
    };
    box.shellDrop = [this, index](const std::vector<std::string>& files, int effect) {
      drags_.Dir_OLEDragDrop(index, files, effect);
    };
    box.keyDown = [this, index](const KeyEvent& event) { return keys_.Dir_KeyDown(index, event); };
    box.menuKey = [this, index] {
      if (index <= chain_.LastBox() && chain_.box(index).selected >= 0)
        main_.PopupMenu(menu::mnuDirFunctions);
    };
    box.keyPress = [this, index](const KeyEvent& event) {
      return keys_.Dir_KeyPress(index, event);
    };
    return box;
  };
  ListBox::Events& files = events.files;
  files.dblClick = [this] { files_.Files_DblClick(); };
  files.mouseDown = [this](const MouseEvent& event) { files_.Files_MouseDown(event); };
  files.mouseMove = [this](const MouseEvent& event) { drags_.Files_MouseMove(event); };
  files.shellDragOver = [this](bool offersFiles, int effects, int keys) {
    return drags_.Files_OLEDragOver(offersFiles, effects, keys);
  };
  files.shellDrop = [this](const std::vector<std::string>& dropped, int effect) {
    drags_.Files_OLEDragDrop(dropped, effect);
  };
  files.keyDown = [this](const KeyEvent& event) { return keys_.Files_KeyDown(event); };
  files.menuKey = [this] { files_.Files_MenuKey(); };
  files.keyPress = [this](const KeyEvent& event) { return keys_.Files_KeyPress(event); };
  events.chainEndShown = [this] { layout_.WakeTimer1(); };
  return events;
}

void Browser::LoadDir0() {
  main_.SetMenuVisible(menu::mnuFileFunctions, false);
  main_.SetMenuVisible(menu::mnuDirFunctions, false);
  main_.SetCaption(kCaption);
  chain_.LoadDir0();
  lists_.ShowDir0();
}

// Box 0 is rebuilt out of sight: shown, a box of thousands of favourites
// would redraw its scroll bars as it empties and fills again. The
// favourites are saved first, as every return to box 0 does.
void Browser::ResetCurrentDir() {
  favorites_.Favorites_Save();
  lists_.Dir(0).SetVisible(false);
  LoadDir0();
  chain_.ClearFiles();
  lists_.DrawFiles();
  layout_.ResizeWindow();
  lists_.Dir(0).SetVisible(true);
  previews_.HidePictureViewer();
  previews_.HidePlayer(true);
  previews_.HideHtmlList();
  FollowShown();
}

void Browser::Refresh_All() {
  host_.Config_Save();
  lists_.Clear();
  chain_.ClearFiles();
  lists_.DrawFiles();
  previews_.HideHtmlList();  // the titles went with the file list; reopened folders show them again
  LoadDir0();
  lists_.Dir(0).SetVisible(false);  // filled with the favourites out of sight, as above
  host_.Config_Load();
  lists_.Dir(0).SetVisible(true);
  layout_.ResizeWindow();
  FollowShown();
}

void Browser::ChooseRow(int list, int row) {
  if (row < 0) return;
  if (list == ChainLists::kFileList) {
    files_.ClickFile(row, 0);
  } else if (row != chain_.box(list).selected) {
    chain_.Select(list, row);
    lists_.Dir(list).Select(row);
    Dir_Click(list);
  }
}

// A configuration written before the chain kept names holds the rows' text.
bool Browser::Reselect(int index, int entry, const std::string& text) {
  if (index > chain_.LastBox()) return false;
  const std::vector<std::string>& entries = chain_.box(index).entries;
  if (entry < -1 || entry >= std::ssize(entries)) return false;
  const std::string name = entry < 0 ? "" : entries[static_cast<std::size_t>(entry)];
  if (name != text && (index == 0 || FolderRow(name) != text)) return false;
  if (entry == chain_.box(index).selected) return true;
  chain_.Select(index, entry);
  lists_.Dir(index).Select(entry);
  Open(index);
  return true;
}

// A click ends the restore of a saved chain.
void Browser::Dir_Click(int index) {
  restore_.End();
  Open(index);
}

// The chain ends at the box clicked while the folder is read.
void Browser::Open(int index) {
  toOpen_.reset();
  if (main_.Left() + main_.Width() < 0) main_.SetLeft(0);
  const std::string entry = chain_.EntryOf(index);
  const int selected = chain_.box(index).selected;
  if (index == 0) main_.SetMenuEnabled(menu::mnuRemoveFavorites, selected > chain_.DriveCount());
  if (entry.empty()) {
    ResetCurrentDir();
    return;
  }
  layout_.SetTimer1Enabled(options_.animation);
  previews_.HidePictureViewer();
  previews_.HidePlayer(false);
  previews_.HideHtmlList();
  opening_ = {index, selected, chain_.PathOf(index), Caption(chain_, index)};
  // The reading starts first, and the window's own work goes on beside it.
  // The boxes beyond stand blank until the folder is read: the window takes
  // its new width once.
  const int lastBefore = chain_.LastBox();
  chain_.BeginOpen(index);
  loader_.Read(opening_.path);
  lists_.BlankAfter(index, lastBefore);
  main_.SetCaption(opening_.caption + " (listing...)");
  FollowShown();
}

void Browser::Opened(const ChainChange& change) {
  if (!change.length) lists_.ShowChainEnd();
  lists_.Draw(change);
  if (!change.length) lists_.SetHorizontalExtent(chain_.LastBox());
  opening_ = {};
  ShowChainState();
  files_.ShowHtmlList();
  FollowShown();
  restore_.Next();
}

// While a click's folder is read, the caption says so. After a return to
// box 0 the current folder is kept, but no box shows it opened.
void Browser::ShowChainState() {
  const bool open =
      !chain_.CurrentFolder().empty() && chain_.box(chain_.OpenerOfCurrent()).selected >= 0;
  main_.SetMenuVisible(menu::mnuDirFunctions, open);
  main_.SetMenuVisible(menu::mnuFileFunctions, chain_.SelectedFilePath().has_value());
  if (opening_.path.empty())
    main_.SetCaption(open ? Caption(chain_, chain_.OpenerOfCurrent()) : kCaption);
  layout_.ResizeWindow();
}

// A folder that cannot be read is asked about; on Cancel a favourite that
// failed leaves box 0 and the view starts again from box 0.
void Browser::Listed(FolderListing listing) {
  const bool opened = !opening_.path.empty() && listing.path == opening_.path;
  const std::string path = listing.path;
  const ChainChange change = chain_.Apply(std::move(listing));
  if (!opened) {
    lists_.Draw(change);
    ShowChainState();
    if (change.lost >= 0) {
      Lost(change);
    } else {
      loader_.WatchReplaced(path);
      OpenAfterRead(path);
    }
    return;
  }
  if (change.lost < 0) {
    Opened(change);
    return;
  }
  const Opening failed = std::exchange(opening_, {});
  restore_.End();
  if (AskRetry(failed.path)) {
    Open(failed.box);
    return;
  }
  if (failed.box == 0 && chain_.RemoveFavorite(failed.entry)) lists_.DrawBox(0);
  ResetCurrentDir();
}

bool Browser::AskRetry(const std::string& path) {
  return ws_.MsgBox("Unable to open '" + path + "'\r" +
                        "The selected drive or folder is not ready. Do you want to retry ?",
                    msgbox::kRetryCancel | msgbox::kExclamation, kAppTitle) == msgbox::kRetry;
}

// An open folder that went away: the chain closes back to the folder that
// held it. After Retry that folder is read again, from then on: the one
// that went opens again if it came back meanwhile.
void Browser::Lost(const ChainChange& change) {
  const std::string name = change.lostPath.substr(chain_.box(change.lost).tag.size());
  CloseTo(change.lost);
  if (!AskRetry(change.lostPath) || change.lost == 0) return;
  toOpen_ = ToOpen{chain_.box(change.lost).tag, name.substr(0, name.size() - 1)};
  loader_.Read(chain_.CurrentFolder());
}

void Browser::Rename(int list) {
  if (list == ChainLists::kFileList) {
    commands_.file().mnuFileRename_Click();
  } else if (chain_.box(list).selected >= 0) {
    commands_.folder().RenameFolder(chain_.PathOf(list));
  }
}

void Browser::FolderRenamed(const std::string& from, const std::string& to) {
  chain_.FollowRename(from, to);
  for (int box = 0; box <= chain_.LastBox(); ++box) lists_.DrawBox(box, lists_.Dir(box).TopIndex());
  ShowChainState();
  FollowShown();
}

void Browser::OpenAfterRead(const std::string& path) {
  if (!toOpen_ || toOpen_->folder != path) return;
  const ToOpen open = *std::exchange(toOpen_, std::nullopt);
  for (int box = 1; box <= chain_.LastBox(); ++box) {
    if (chain_.box(box).tag != path) continue;
    const int entry = IndexOf(chain_.box(box).entries, open.name);
    if (entry >= 0) Reselect(box, entry, open.name);
    return;
  }
}

void Browser::CloseTo(int index) {
  if (index == 0) {
    ResetCurrentDir();
    return;
  }
  chain_.CloseTo(index);
  lists_.ShowChainEnd();
  lists_.DrawFiles();
  ShowChainState();
  loader_.Read(chain_.CurrentFolder());
  FollowShown();
}

void Browser::CloseCurrentFolder() {
  if (!chain_.CurrentFolder().empty()) CloseTo(chain_.OpenerOfCurrent());
}

// A press selects the folder under the pointer for either button, a press
// below the last entry steps back one level, and a right press pops up
// FOLDER.
void Browser::Dir_MouseDown(int index, const MouseEvent& event) {
  pressOpened_ = -1;
  if (index > chain_.LastBox()) return;
  const int row = lists_.RowAt(lists_.Dir(index), event.y);
  if (row > std::ssize(chain_.box(index).entries) - 1) {
    if (index > 0) {
      Dir_Click(index - 1);  // the folder of the box to the left, opened again
    } else {
      ResetCurrentDir();
    }
  } else if (row != chain_.box(index).selected) {
    chain_.Select(index, row);
    lists_.Dir(index).Select(row);
    Dir_Click(index);
    pressOpened_ = index;
  }
  if (event.button == kRightButton && (index != 0 || chain_.box(0).selected >= 0))
    main_.PopupMenu(menu::mnuDirFunctions);
}

void Browser::Unwatched(const std::string& path) {
  if (std::exchange(unwatchedSaid_, true)) return;
  ws_.MsgBox("Changes that other programs make in '" + path +
                 "' will show only after a Refresh: Windows cannot watch it.",
             msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
}

void Browser::Removed(const std::string& path) {
  if (chain_.CurrentFolder() == path) CloseCurrentFolder();
}

// Titles of the file list's HTML files, read after its names.
void Browser::Titled(const std::string& path, std::vector<std::string> titles) {
  files_.ShowTitles(path, std::move(titles));
}

// Rows read so far are added to what the boxes show, and the caption
// counts them.
void Browser::Batch(const std::string& path, const ReadNames& read) {
  if (path != opening_.path) return;  // a folder read again shows once whole
  const int last = chain_.LastBox();
  const bool hadFiles = !chain_.files().entries.empty();
  const ChainChange change = chain_.AddRead(path, read);
  if (change.length) {
    lists_.ShowChainEnd();
    lists_.DrawBox(chain_.LastBox());
  } else if (!change.boxes.empty()) {
    lists_.Dir(last).ShowMoreRows(chain_.box(last).entries.size());
  }
  if (change.files && hadFiles) {
    lists_.Files().ShowMoreRows(chain_.files().entries.size());
  } else if (change.files) {
    lists_.DrawFiles();  // over the blank rows
  }
  if (change.length || (change.files && !hadFiles))
    layout_.ResizeWindow();  // the list came into sight
  // The box above lists the folder's neighbours until its own sub-folders come.
  const FolderBox& end = chain_.box(chain_.LastBox());
  const std::size_t count =
      (end.tag == path ? end.entries.size() : 0) + chain_.files().entries.size();
  main_.SetCaption(opening_.caption + " (" + std::to_string(count) + " listed...)");
}

}  // namespace vantiro
