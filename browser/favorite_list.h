// The favourites: folders listed in box 0 after the drives and the empty
// separator, kept in the file "Favorites" beside the program.
#pragma once

#include <string>
#include <vector>

#include "browser/chain_lists.h"
#include "settings/settings_files.h"

namespace vantiro {

class FavoriteList {
 public:
  FavoriteList(WindowSystem& ws, FolderChain& chain, ChainLists& lists, SettingsFiles& files)
      : ws_(ws), chain_(chain), lists_(lists), settingsFiles_(files) {}

  // File > Favorites, and FOLDER's "Add to Favorites".
  static MenuItem FavoritesMenu(HandlerOf<FavoriteList> of);
  static MenuItem AddEntry(HandlerOf<FavoriteList> of);

  void Favorites_Load();
  void Favorites_Save();
  void SetFavorites(std::vector<std::string> favorites);
  void mnuAdd_Click();
  void mnuRemoveFavorites_Click();
  void mnuResetFavorites_Click() { SetFavorites({}); }

 private:
  WindowSystem& ws_;
  FolderChain& chain_;
  ChainLists& lists_;
  SettingsFiles& settingsFiles_;
};

}  // namespace vantiro
