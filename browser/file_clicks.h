// The file list beside the active box: its filter, a click that selects
// files and shows the FILE menu, a press that drags them out or pops up
// FILE or FOLDER, and the titles of its HTML files beside the window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "browser/chain_lists.h"
#include "chain/folder_chain.h"
#include "commands/commands.h"
#include "platform/window_system.h"
#include "preview/previews.h"
#include "settings/options.h"

namespace vantiro {

class FileClicks {
 public:
  struct Events {
    std::function<void()> filtered;  // the filter changed: every folder is read again
    std::function<void()> chosen;    // the user chose a file
  };
  FileClicks(WindowSystem& ws, Window& main, FolderChain& chain, ChainLists& lists,
             Previews& previews, Commands& commands, const Appearance& look, Events events);

  // File's "Files filtering...".
  static MenuItem FiltersEntry(HandlerOf<FileClicks> of);
  void mnuFilters_Click();
  void Files_Click();
  void Files_DblClick() { commands_.file().mnuFileOpen_Click(); }
  // FILE as a pop-up, or FOLDER while no file is selected.
  void Files_MenuKey();
  void Files_MouseDown(const MouseEvent& event);
  // A press on a line of the HTML files window: its HTML file is selected.
  void Titles_MouseDown(int row, int button);
  // A click on a file with kShiftKey and kCtrlKey held (row -1: none); the
  // file clicked is previewed when it was not the one last clicked.
  void ClickFile(int row, int keys);
  void SelectAllFiles();
  // The titles of the HTML files of a folder, once read.
  void ShowTitles(const std::string& path, std::vector<std::string> titles);
  void ShowHtmlList();

 private:
  // The files selected, shown in the list and told to the FILE menu.
  void ShowSelection();
  void TakeFocusBack();

  WindowSystem& ws_;
  Window& main_;
  FolderChain& chain_;
  ChainLists& lists_;
  Previews& previews_;
  Commands& commands_;
  const Appearance& look_;
  Events events_;
};

}  // namespace vantiro
