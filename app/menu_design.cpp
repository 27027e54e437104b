// The menu bar as designed: every menu, caption, shortcut and start state.
// FOLDER and FILE are hidden at start and also serve as pop-up menus.
#include "app/form1.h"
#include "commands/commands.h"
#include "commands/menu_names.h"
#include "help/help_menu.h"

namespace vantiro {
std::vector<MenuItem> Form1::DesignMenuBar() {
  // Each entry calls the handler of the object that holds it, made by the
  // time any menu can be chosen.
  const auto command = [this](void (Form1::*handler)()) {
    return [this, handler] { (this->*handler)(); };
  };
  const auto browser = [this](void (Browser::*handler)()) {
    return [this, handler] { ((*browser_).*handler)(); };
  };
  const auto favorite = [this](void (FavoriteList::*handler)()) {
    return [this, handler] { (browser_->favorites().*handler)(); };
  };
  const auto commands = [this](void (Commands::*handler)()) {
    return [this, handler] { ((*commands_).*handler)(); };
  };
  const auto helpMenu = [this](void (HelpMenu::*handler)()) {
    return [this, handler] { ((*help_).*handler)(); };
  };

  MenuItem options =
      Menu("mnuOptions", "Options",
           {Checked(Item(menu::mnuRememberPath, "Remember path when closing", {},
                         command(&Form1::mnuRememberPath_Click)),
                    true),
            Item(menu::mnuAnimation, "Use animation when exploring folders", {},
                 command(&Form1::mnuAnimation_Click)),
            Item(menu::mnuAutoPlay, "Automatically start playing audio and video files", {},
                 command(&Form1::mnuAutoPlay_Click)),
            Checked(Item(menu::mnuFileDetails, "Show file details", {},
                         command(&Form1::mnuFileDetails_Click)),
                    true),
            Separator("mnuNone12"),
            Item(menu::mnuTopMost, "Stay always on top", {}, command(&Form1::mnuTopMost_Click))});

  MenuItem favorites = Menu(
      "mnuFavorites", "Favorites",
      {Enabled(Item(menu::mnuRemoveFavorites, "Remove selected", {},
                    favorite(&FavoriteList::mnuRemoveFavorites_Click)),
               false),
       Item("mnuResetFavorites", "Reset", {}, favorite(&FavoriteList::mnuResetFavorites_Click))});

  MenuItem file = Menu(
      "mnuFile1", "File",
      {options,
       Item("mnuSizeColors", "Size and colors...", {}, command(&Form1::mnuSizeColors_Click)),
       Separator("mnuNone"), favorites, Separator("mnuNone7"),
       Item("mnuFilters", "Files filtering...", "Ctrl+F", browser(&Browser::mnuFilters_Click)),
       Separator("mnuNone11"),
       Item("mnuRefresh", "Refresh", "F5", browser(&Browser::mnuRefresh_Click)),
       Item("mnuReset", "Reset all", "Ctrl+R", command(&Form1::mnuReset_Click)),
       Separator("mnuNone4"), Item("mnuExit", "Exit", "Ctrl+F4", command(&Form1::mnuExit_Click))});

  MenuItem help = Menu("mnuHelp", "Help",
                       {Item("mnuHowTo", "How to...", "F1", helpMenu(&HelpMenu::mnuHowTo_Click)),
                        Separator("mnuNone2"),
                        Item("mnuAbout", "About...", {}, helpMenu(&HelpMenu::mnuAbout_Click))});

  MenuItem folder = Visible(
      Menu(menu::mnuDirFunctions, "FOLDER",
           {Item("mnuExplore", "Explore     (Double-Click)", {},
                 commands(&Commands::mnuExplore_Click)),
            Item("mnuNewWindow", "Open in a new window", "Ctrl+N",
                 commands(&Commands::mnuNewWindow_Click)),
            Item("mnuFolderRecycleBin", "Send to Recycle Bin", {},
                 commands(&Commands::mnuFolderRecycleBin_Click)),
            Item("mnuPaste", "Paste", "Ctrl+V", commands(&Commands::mnuPaste_Click)),
            Separator("mnuNone6"),
            Item("mnuAdd", "Add to Favorites", "Ctrl+A", favorite(&FavoriteList::mnuAdd_Click)),
            Separator("mnuNone10"),
            Item("mnuFolderProperties", "Folder Properties...", "F4",
                 commands(&Commands::mnuFolderProperties_Click))}),
      false);

  MenuItem fileFunctions = Visible(
      Menu(menu::mnuFileFunctions, "FILE",
           {Item("mnuFileOpen", "Open     (Double-Click)", {},
                 commands(&Commands::mnuFileOpen_Click)),
            Item(menu::mnuFileOpenWith, "Open with...", "Ctrl+O",
                 commands(&Commands::mnuFileOpenWith_Click)),
            Item(menu::mnuFileRename, "Rename...", "F2", commands(&Commands::mnuFileRename_Click)),
            Item("mnuFileRecycleBin", "Send to Recycle Bin", "Del",
                 commands(&Commands::mnuFileRecycleBin_Click)),
            Item("mnuFileDelete", "Delete", "Shift+Del", commands(&Commands::mnuFileDelete_Click)),
            Separator("mnuNone8"),
            Item("mnuCopy", "Copy", "Ctrl+C", commands(&Commands::mnuCopy_Click)),
            Separator("mnuNone9"),
            Item("mnuFileProperties", "File Properties...", "F3",
                 commands(&Commands::mnuFileProperties_Click))}),
      false);

  std::vector<MenuItem> bar = {file, help};
  for (MenuItem& item : BoxLayout::MenuItems([this]() -> BoxLayout& { return browser_->layout(); }))
    bar.push_back(std::move(item));
  bar.push_back(folder);
  bar.push_back(fileFunctions);
  return bar;
}

}  // namespace vantiro
