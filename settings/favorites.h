// The favourites file "Favorites" beside the program: one quoted folder path
// a line, in the order box 0 lists them.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "settings/settings_files.h"

namespace vantiro {

inline constexpr const char* kFavoritesFile = "Favorites";

std::string FavoritesText(std::span<const std::string> favorites);

struct FavoritesRead {
  std::vector<std::string> favorites;
  bool whole = true;  // false when a line could not be read as a path
};

// Every favourite of the file, quoted or not, to its end or to the first
// bytes that are no text; blank lines are passed over, duplicates kept.
FavoritesRead ReadFavorites(const SettingsFiles& files);

// False when the file could not be written (it is then kept in memory).
bool SaveFavorites(SettingsFiles& files, std::span<const std::string> favorites);

}  // namespace vantiro
