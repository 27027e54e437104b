#include "browser/browser.h"

#include <utility>

#include "commands/menu_names.h"

namespace vantiro {

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
      look_(appearance),
      lists_(ws, main, chain_, previews, options, appearance, ListEvents()),
      layout_(ws, main, chain_, lists_, previews, appearance, onTop,
              [this] { return restoring_.has_value(); }),
      keys_(chain_, lists_,
            {[this](int list, int row) { ChooseRow(list, row); },
             [this](int row, int keys) { ClickFile(row, keys); }, [this] { SelectAllFiles(); },
             [this] { Files_DblClick(); }}),
      drags_(ws, main, chain_, lists_,
             [this](const std::vector<std::string>& sources, const std::string& destFolder,
                    int effect) { commands_.DropFiles(sources, destFolder, effect); }),
      favorites_(ws, chain_, lists_, files) {
  loader_.Listen(this);
}

Browser::~Browser() { loader_.Listen(nullptr); }

MenuItem Browser::FiltersEntry(HandlerOf<Browser> of) {
  return Item("mnuFilters", "Files filtering...", "Ctrl+F", Calls(of, &Browser::mnuFilters_Click));
}

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
    box.keyPress = [this, index](const KeyEvent& event) {
      return keys_.Dir_KeyPress(index, event);
    };
    return box;
  };
  ListBox::Events& files = events.files;
  files.dblClick = [this] { Files_DblClick(); };
  files.mouseDown = [this](const MouseEvent& event) { Files_MouseDown(event); };
  files.mouseMove = [this](const MouseEvent& event) { drags_.Files_MouseMove(event); };
  files.shellDragOver = [this](bool offersFiles, int effects, int keys) {
    return drags_.Files_OLEDragOver(offersFiles, effects, keys);
  };
  files.shellDrop = [this](const std::vector<std::string>& dropped, int effect) {
    drags_.Files_OLEDragDrop(dropped, effect);
  };
  files.keyDown = [this](const KeyEvent& event) { return keys_.Files_KeyDown(event); };
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
    ClickFile(row, 0);
  } else if (row != chain_.box(list).selected) {
    chain_.Select(list, row);
    lists_.Dir(list).Select(row);
    Dir_Click(list);
  }
}

}  // namespace vantiro
