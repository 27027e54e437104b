// The configuration file "Config" beside the program: the pane widths and
// colours, the window's place, the option marks and the chain of folders
// (and the file) open when it was saved.
#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "settings/legacy_text.h"
#include "settings/text_file.h"

namespace vantiro {
namespace {

constexpr const char* kConfigFile = "Config";
constexpr std::string_view kOptionMarks[] = {menu::mnuRememberPath, menu::mnuAnimation,
                                             menu::mnuAutoPlay, menu::mnuTopMost};

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

// The selected index, its text and the tag of a list.
void WriteSelection(TextFileWriter& file, const ListBox& box, const std::string& tag) {
  file.Integer(box.Selected());
  file.Text(box.Item(box.Selected()));
  file.Text(tag);
}

// Selects the remembered entry again, which runs the list's click. False
// when the entry is no longer there.
bool RestoreSelection(TextFileReader& file, ListBox& box) {
  const auto index = file.Int16();
  const auto text = file.Text();
  if (!index || !text || *index < -1 || *index >= box.Count() || box.Item(*index) != *text) {
    return false;
  }
  box.Select(*index);
  return true;
}

}  // namespace

std::string Form1::ConfigText() const {
  TextFileWriter file;
  file.Integer(BoxesWidth);
  file.Integer(ActiveBoxWidth);
  file.Integer(static_cast<std::int32_t>(FoldersBackColor));
  file.Integer(static_cast<std::int32_t>(FilesBackColor));
  file.Number(static_cast<float>(window_->Width()));
  file.Number(static_cast<float>(window_->Height()));
  file.Number(static_cast<float>(window_->Left()));
  file.Number(static_cast<float>(window_->Top()));
  for (std::string_view mark : kOptionMarks) file.Boolean(window_->MenuChecked(mark));
  file.Integer(LastBox);
  file.Text(CurrentFolder);
  for (int i = 0; i <= LastBox; ++i) WriteSelection(file, Dir(i), DirTag(i));
  WriteSelection(file, *files_, FilesTag);
  return file.contents();
}

void Form1::Config_Save() {
  if (Reduced) mnuRestore_Click();  // the normal height is the one to keep
  if (!SaveSettingsFile(kConfigFile, ConfigText())) {
    KeepUnsavedFavorites();
    return;
  }
  Favorites_Save();
}

void Form1::Config_Load() {
  if (!LoadConfig()) ShowFirstRunWelcome();
}

// False when the file is missing or a value before the path cannot be read.
bool Form1::LoadConfig() {
  std::optional<std::string> contents = ReadSettingsFile(kConfigFile);
  if (!contents) return false;
  Favorites_Load();
  TextFileReader file(std::move(*contents));
  const bool settingsRead = LoadSettings(file);
  // Box 0 and the file list were made before the colours were known.
  Dir(0).SetBackColor(FoldersBackColor);
  files_->SetBackColor(FilesBackColor);
  if (!settingsRead) return false;
  if (!window_->MenuChecked(menu::mnuRememberPath)) return true;
  const std::optional<std::int16_t> lastBox = file.Int16();
  if (!lastBox) return false;
  RestorePath(file, *lastBox);
  return true;
}

// The values before the path, each in force as soon as it is read.
bool Form1::LoadSettings(TextFileReader& file) {
  auto mark = [this](std::string_view name) {
    return [this, name](bool checked) { window_->SetMenuChecked(name, checked); };
  };
  // A width edited by hand comes into the range the dialog offers: at 0 no
  // box could be clicked, at 32767 the file list would lie off the window.
  const auto width = [](std::int16_t& target) {
    return [&target](std::int16_t stored) {
      target = static_cast<std::int16_t>(std::clamp<Twips>(stored, kMinBoxWidth, kMaxBoxWidth));
    };
  };
  return Take(file.Int16(), width(BoxesWidth)) && Take(file.Int16(), width(ActiveBoxWidth)) &&
         Take(file.Int32(),
              [this](std::int32_t color) { FoldersBackColor = static_cast<Color>(color); }) &&
         Take(file.Int32(),
              [this](std::int32_t color) { FilesBackColor = static_cast<Color>(color); }) &&
         Take(file.Single(), [](float) {}) &&  // the width is always worked out afresh
         Take(AsTwips(file.Single(), 0), [this](Twips height) { window_->SetHeight(height); }) &&
         Take(AsTwips(file.Single()), [this](Twips left) { window_->SetLeft(left); }) &&
         Take(AsTwips(file.Single()), [this](Twips top) { window_->SetTop(top); }) &&
         Take(file.Boolean(), mark(menu::mnuRememberPath)) &&
         Take(file.Boolean(), mark(menu::mnuAnimation)) &&
         Take(file.Boolean(), mark(menu::mnuAutoPlay)) &&
         Take(file.Boolean(), [this](bool topMost) {
           if (!topMost) return;
           window_->SetMenuChecked(menu::mnuTopMost, false);
           mnuTopMost_Click();
         });
}

// Opens the remembered folders box by box as clicks would, then selects the
// remembered file. Stops silently where the disk no longer matches.
void Form1::RestorePath(TextFileReader& file, int lastBox) {
  if (!file.Text()) return;  // the current folder: the clicks set it again
  for (int i = 0; i <= lastBox; ++i) {
    if (i > LastBox || !RestoreSelection(file, Dir(i))) return;
    const std::optional<std::string> tag = file.Text();
    if (!tag) return;
    dirs_[static_cast<std::size_t>(i)].tag = *tag;
  }
  if (!RestoreSelection(file, *files_)) return;
  if (std::optional<std::string> tag = file.Text()) FilesTag = std::move(*tag);
}

void Form1::ShowFirstRunWelcome() {
  const int answer = ws_.MsgBox(
      "Welcome to Vantiro!\r\rSince this is the first time you run Vantiro!, you may want to "
      "read the 'How to...' help file, which explains how to use the program.\r\rDo you want "
      "to read it?",
      msgbox::kYesNo | msgbox::kQuestion, kAppTitle);
  ws_.MsgBox(
      "Please remember that to navigate through your folders you just have to click on them. "
      "If you double-click you will open the selected folder into a Windows Explorer window.",
      msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  if (answer == msgbox::kYes) window_->ShowHelp(HelpFile(), kHelpContents);
}

// Empties and deletes the configuration, then starts a fresh copy of the
// program, which begins as on its first run, and ends this one unsaved.
void Form1::mnuReset_Click() {
  unsaved_.erase(kConfigFile);
  if (fs_.SaveFile(ProgramDir + "config", "") && fs_.RemoveFile(ProgramDir + kConfigFile) &&
      fs_.StartProgram('"' + ProgramDir + "Vantiro.exe\"")) {
    ws_.Quit();
    return;
  }
  ws_.MsgBox("Sorry: Unable to reset Vantiro!.", msgbox::kOkOnly | msgbox::kInformation, "Error");
}

// A settings file that could not be written stays in memory for the rest
// of the run, so that a refresh or a return to box 0, which read it back,
// lose nothing.
// A file that already holds the contents is left alone: writing it costs a
// flush to the disk, and box 0 saves its favourites on every return to it.
bool Form1::SaveSettingsFile(const std::string& name, const std::string& contents) {
  if (ReadTextFile(fs_, ProgramDir + name) == contents ||
      fs_.SaveFile(ProgramDir + name, contents)) {
    unsaved_.erase(name);
    return true;
  }
  ws_.Beep();
  unsaved_[name] = contents;
  return false;
}

std::optional<std::string> Form1::ReadSettingsFile(const std::string& name) const {
  const auto unsaved = unsaved_.find(name);
  if (unsaved != unsaved_.end()) return unsaved->second;
  std::optional<std::string> contents = ReadTextFile(fs_, ProgramDir + name);
  if (contents) *contents = FromLegacyText(*contents);  // an older installation's
  return contents;
}

}  // namespace vantiro
