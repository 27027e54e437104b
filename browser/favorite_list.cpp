#include "browser/favorite_list.h"

#include "commands/commands.h"
#include "commands/menu_names.h"
#include "settings/favorites.h"
#include "settings/program.h"

namespace vantiro {

MenuItem FavoriteList::FavoritesMenu(HandlerOf<FavoriteList> of) {
  return Menu(
      "mnuFavorites", "Favorites",
      {Enabled(Item(menu::mnuRemoveFavorites, "Remove selected", {},
                    Calls(of, &FavoriteList::mnuRemoveFavorites_Click)),
               false),
       Item("mnuResetFavorites", "Reset", {}, Calls(of, &FavoriteList::mnuResetFavorites_Click))});
}

MenuItem FavoriteList::AddEntry(HandlerOf<FavoriteList> of) {
  return Item("mnuAdd", "Add to Favorites", "Ctrl+A", Calls(of, &FavoriteList::mnuAdd_Click));
}

void FavoriteList::Favorites_Load() {
  FavoritesRead read = ReadFavorites(settingsFiles_);
  SetFavorites(std::move(read.favorites));
  if (read.whole) return;
  if (const std::string told = settingsFiles_.SetAside(kFavoritesFile); !told.empty())
    ws_.MsgBox(told, msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
}

void FavoriteList::Favorites_Save() {
  if (!SaveFavorites(settingsFiles_, chain_.Favorites())) settingsFiles_.SayUnsaved(ws_);
}

void FavoriteList::SetFavorites(std::vector<std::string> favorites) {
  chain_.SetFavorites(std::move(favorites));
  lists_.DrawBox(0);
}

void FavoriteList::mnuAdd_Click() {
  if (IsFolderOk(ws_, chain_) != msgbox::kYes) return;
  chain_.AddFavorite(chain_.CurrentFolder());
  lists_.DrawBox(0);
}

void FavoriteList::mnuRemoveFavorites_Click() {
  if (chain_.RemoveFavorite(chain_.box(0).selected)) lists_.DrawBox(0);
}

}  // namespace vantiro
