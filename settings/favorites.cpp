#include "settings/favorites.h"

#include "settings/text_file.h"

namespace vantiro {

std::string FavoritesText(std::span<const std::string> favorites) {
  TextFileWriter file;
  for (const std::string& favorite : favorites) file.Text(favorite);
  return file.contents();
}

FavoritesRead ReadFavorites(const SettingsFiles& files) {
  FavoritesRead read;
  std::optional<SettingsRead> contents = files.Read(kFavoritesFile);
  if (!contents) return read;
  read.whole = contents->whole;
  TextFileReader file(std::move(contents->text));
  while (const std::optional<std::string_view> line = file.NextLine()) {
    if (line->find_first_not_of(" \t") == std::string_view::npos) continue;
    std::optional<std::string> path = TextFileReader::ParseText(*line);
    if (!path) read.whole = false;
    if (path && !path->empty()) read.favorites.push_back(std::move(*path));
  }
  return read;
}

bool SaveFavorites(SettingsFiles& files, std::span<const std::string> favorites) {
  return files.Save(kFavoritesFile, FavoritesText(favorites));
}

}  // namespace vantiro
