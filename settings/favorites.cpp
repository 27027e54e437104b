#include "settings/favorites.h"

#include "settings/text_file.h"

namespace vantiro {

std::string FavoritesText(std::span<const std::string> favorites) {
  TextFileWriter file;
  for (const std::string& favorite : favorites) file.Text(favorite);
  return file.contents();
}

std::vector<std::string> ReadFavorites(const SettingsFiles& files) {
  std::vector<std::string> favorites;
  std::optional<std::string> contents = files.Read(kFavoritesFile);
  if (!contents) return favorites;
  TextFileReader file(std::move(*contents));
  while (const std::optional<std::string_view> line = file.NextLine()) {
    if (line->find_first_not_of(" \t") == std::string_view::npos) continue;
    std::optional<std::string> path = TextFileReader::ParseText(*line);
    if (!path) break;
    if (!path->empty()) favorites.push_back(std::move(*path));
  }
  return favorites;
}

bool SaveFavorites(SettingsFiles& files, std::span<const std::string> favorites) {
  return files.Save(kFavoritesFile, FavoritesText(favorites));
}

}  // namespace vantiro
