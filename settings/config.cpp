#include "settings/config.h"

#include <cmath>

#include "settings/text_file.h"

namespace vantiro {
namespace {

// Runs apply with the value read, if there is one; false when there is none.
template <typename T, typename Apply>
bool Take(std::optional<T> value, Apply apply) {
  if (!value) return false;
  apply(*value);
  return true;
}

// A window's place and height, stored as single-precision numbers: no
// screen reaches beyond 32767 pixels, and a height is never negative.
constexpr double kWindowLimit = 32767.0 * 15;

std::optional<Twips> AsTwips(std::optional<float> value, double lowest = -kWindowLimit) {
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);
  if (rounded < lowest || rounded > kWindowLimit) return std::nullopt;
  return static_cast<Twips>(rounded);
}

void WriteSelection(TextFileWriter& file, const SavedSelection& selection) {
  file.Integer(selection.index);
  file.Text(selection.text);
  file.Text(selection.tag.value_or(""));
}

// Reads one selection; false when its index or text is missing, and then
// also when its tag is (the selection is kept all the same).
bool ReadSelection(TextFileReader& file, std::vector<SavedSelection>& into) {
  const auto index = file.Int16();
  auto text = file.Text();
  if (!index || !text) return false;
  into.push_back({*index, std::move(*text), file.Text()});
  return into.back().tag.has_value();
}

bool ReadSettings(TextFileReader& file, Config& config) {
  const auto width = [](std::int16_t& target) {
    return [&target](std::int16_t stored) { target = Appearance::BoxWidth(stored); };
  };
  const auto set = [](auto& target) { return [&target](auto value) { target = value; }; };
  Appearance& look = config.appearance;
  Options& options = config.options;
  return Take(file.Int16(), width(look.boxesWidth)) &&
         Take(file.Int16(), width(look.activeBoxWidth)) &&
         Take(file.Int32(),
              [&](std::int32_t c) { look.foldersBackColor = static_cast<Color>(c); }) &&
         Take(file.Int32(), [&](std::int32_t c) { look.filesBackColor = static_cast<Color>(c); }) &&
         Take(file.Single(), [](float) {}) &&  // the width is always worked out afresh
         Take(AsTwips(file.Single(), 0), set(config.height)) &&
         Take(AsTwips(file.Single()), set(config.left)) &&
         Take(AsTwips(file.Single()), set(config.top)) &&
         Take(file.Boolean(), set(options.rememberPath)) &&
         Take(file.Boolean(), set(options.animation)) &&
         Take(file.Boolean(), set(options.autoPlay)) && Take(file.Boolean(), set(options.topMost));
}

// Lines before the option that ends the file: the twelve values, the last
// box and the current folder.
constexpr int kLinesBeforeLastOption = 14;

// The option written after the chain, whose last line is always a quoted
// text: a last line that is a boolean is the option, taken off the
// contents. A file from before it has none, and the option stays as it is.
void TakeLastOption(std::string& contents, bool& option) {
  std::string_view text = contents;
  while (text.ends_with('\n') || text.ends_with('\r')) text.remove_suffix(1);
  const std::size_t last = text.find_last_of("\r\n") + 1;  // 0 for a file of one line
  const std::optional<bool> value = TextFileReader(std::string(text.substr(last))).Boolean();
  TextFileReader before(std::string(text.substr(0, last)));
  int lines = 0;
  while (before.NextLine()) ++lines;
  if (!value || lines < kLinesBeforeLastOption) return;
  option = *value;
  contents.resize(last);
}

}  // namespace

std::string ConfigText(const Config& config) {
  TextFileWriter file;
  file.Integer(config.appearance.boxesWidth);
  file.Integer(config.appearance.activeBoxWidth);
  file.Integer(static_cast<std::int32_t>(config.appearance.foldersBackColor));
  file.Integer(static_cast<std::int32_t>(config.appearance.filesBackColor));
  // Read back as Singles, which hold every whole number of twips a screen has.
  for (const Twips value : {config.width, config.height, config.left, config.top})
    file.Integer(value);
  for (const bool option : {config.options.rememberPath, config.options.animation,
                            config.options.autoPlay, config.options.topMost})
    file.Boolean(option);
  file.Integer(config.chain.lastBox);
  file.Text(config.chain.currentFolder);
  for (const SavedSelection& box : config.chain.boxes) WriteSelection(file, box);
  if (config.chain.file) WriteSelection(file, *config.chain.file);
  file.Boolean(config.options.fileDetails);
  return file.contents();
}

bool ReadConfig(std::string contents, Config& config) {
  TakeLastOption(contents, config.options.fileDetails);
  TextFileReader file(std::move(contents));
  if (!ReadSettings(file, config)) return false;
  config.chain.boxes.clear();
  config.chain.file.reset();
  if (!config.options.rememberPath) return true;
  const std::optional<std::int16_t> lastBox = file.Int16();
  if (!lastBox) return false;
  config.chain.lastBox = *lastBox;
  std::optional<std::string> currentFolder = file.Text();
  if (!currentFolder) return true;
  config.chain.currentFolder = std::move(*currentFolder);
  for (int i = 0; i <= config.chain.lastBox; ++i) {
    if (!ReadSelection(file, config.chain.boxes)) return true;
  }
  std::vector<SavedSelection> files;
  if (ReadSelection(file, files) || !files.empty()) config.chain.file = std::move(files.front());
  return true;
}

}  // namespace vantiro
