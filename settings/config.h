// The configuration file "Config" beside the program: the pane widths and
// colours, the window's place, the options, and the chain of folders (and
// the file) open when it was saved, and last the option to show file
// details. One value a line, in this order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/options.h"

namespace vantiro {

inline constexpr const char* kConfigFile = "Config";

// A remembered selection: the entry's index, its text, and the folder the
// list showed.
struct SavedSelection {
  int index = -1;
  std::string text;
  std::optional<std::string> tag;  // missing where the file was cut
};

// The chain of folders (and the file) open when the file was saved.
struct SavedChain {
  int lastBox = 0;
  std::string currentFolder;
  // The selection of box 0, 1...; then of the file list, once all boxes
  // were read. On reading, as many as the file holds whole.
  std::vector<SavedSelection> boxes;
  std::optional<SavedSelection> file;
};

struct Config {
  Appearance appearance;
  Twips width = 0, height = 0, left = 0, top = 0;  // the window's; the width is never read back
  Options options;
  SavedChain chain;
};

std::string ConfigText(const Config& config);

// Reads the file into config value by value, in the file's order: a value
// read is in force even when a later one cannot be read. False when a value
// before the path cannot be read, or the path is to be remembered and does
// not begin: the program then starts as on a first run. The path is read
// only when the option to remember it is on.
bool ReadConfig(std::string contents, Config& config);

}  // namespace vantiro
