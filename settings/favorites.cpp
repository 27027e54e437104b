// The favourites: folders listed in box 0 after the drives and the empty
// separator, kept in the file "Favorites" beside the program, one quoted
// path a line.
#include <algorithm>
#include <iterator>

#include "app/form1.h"
#include "settings/text_file.h"

namespace vantiro {
namespace {

constexpr const char* kFavoritesFile = "Favorites";

}  // namespace

std::span<const std::string> Form1::Favorites() const {
  const std::vector<std::string>& items = Dir(0).Items();
  return std::span(items).subspan(std::min(items.size(), std::size_t(driveCount_) + 1));
}

std::string Form1::FavoritesText() const {
  TextFileWriter file;
  for (const std::string& favorite : Favorites()) file.Text(favorite);
  return file.contents();
}

void Form1::Favorites_Save() { SaveSettingsFile(kFavoritesFile, FavoritesText()); }

// The configuration could not be saved, so the favourites file is left as
// it is; what box 0 holds is still read back for the rest of the run.
void Form1::KeepUnsavedFavorites() { unsaved_[kFavoritesFile] = FavoritesText(); }

// Appends the favourites of the file to box 0, up to the first line that
// is not a quoted path; blank lines are passed over.
void Form1::Favorites_Load() {
  std::vector<std::string> favorites;
  if (std::optional<std::string> contents = ReadSettingsFile(kFavoritesFile)) {
    TextFileReader file(std::move(*contents));
    while (const std::optional<std::string_view> line = file.NextLine()) {
      if (line->find_first_not_of(" \t") == std::string_view::npos) continue;
      std::optional<std::string> path = TextFileReader::ParseText(*line);
      if (!path) break;
      if (!path->empty()) favorites.push_back(std::move(*path));
    }
  }
  AppendFavorites(std::move(favorites));
}

// Box 0 is filled again in one batch: thousands of favourites, added one by
// one, would take a minute to show.
void Form1::AppendFavorites(std::vector<std::string> favorites) {
  if (!favorites.empty()) {
    std::vector<std::string> entries = Dir(0).Items();
    entries.insert(entries.end(), std::make_move_iterator(favorites.begin()),
                   std::make_move_iterator(favorites.end()));
    Dir(0).SetItems(std::move(entries));
  }
  SetHorizontalExtent(0);
}

void Form1::mnuAdd_Click() {
  if (IsFolderOk() != msgbox::kYes) return;
  Dir(0).AddItem(CurrentFolder);
  SetHorizontalExtent(0);
}

void Form1::mnuRemoveFavorites_Click() {
  const int selected = Dir(0).Selected();
  if (selected <= driveCount_) return;  // nothing, a drive or the separator
  Dir(0).RemoveItem(selected);
  SetHorizontalExtent(0);
}

void Form1::mnuResetFavorites_Click() {
  while (Dir(0).Count() - 1 > driveCount_) Dir(0).RemoveItem(Dir(0).Count() - 1);
  SetHorizontalExtent(0);
}

}  // namespace vantiro
