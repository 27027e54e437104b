// The favourites: folders listed in box 0 after the drives and the empty
// separator, kept in the file "Favorites" beside the program.
#include "navigation/browser.h"
#include "settings/favorites.h"

namespace vantiro {

void Browser::Favorites_Load() {
  FavoritesRead read = ReadFavorites(settingsFiles_);
  SetFavorites(std::move(read.favorites));
  if (read.whole) return;
  if (const std::string told = settingsFiles_.SetAside(kFavoritesFile); !told.empty())
    ws_.MsgBox(told, msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
}

void Browser::Favorites_Save() {
  if (!SaveFavorites(settingsFiles_, chain_.Favorites())) ws_.Beep();
}

void Browser::SetFavorites(std::vector<std::string> favorites) {
  chain_.SetFavorites(std::move(favorites));
  DrawBox(0);
}

void Browser::mnuAdd_Click() {
  if (IsFolderOk() != msgbox::kYes) return;
  chain_.AddFavorite(chain_.CurrentFolder());
  DrawBox(0);
}

void Browser::mnuRemoveFavorites_Click() {
  if (chain_.RemoveFavorite(chain_.box(0).selected)) DrawBox(0);
}

void Browser::mnuResetFavorites_Click() { SetFavorites({}); }

}  // namespace vantiro
