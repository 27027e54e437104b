// What the main window keeps between runs: the options, the appearance, its
// place, and the chain of folders, in "Config" and "Favorites" beside the
// program; and the commands of File that change them.
#include "app/form1.h"
#include "commands/menu_names.h"
#include "help/help_menu.h"
#include "settings/config.h"
#include "settings/favorites.h"
#include "settings/size_colors.h"

namespace vantiro {
namespace {

SavedSelection Selection(int selected, const std::vector<std::string>& entries,
                         const std::string& tag) {
  const bool any = selected >= 0 && selected < std::ssize(entries);
  return {selected, any ? entries[static_cast<std::size_t>(selected)] : "", tag};
}

}  // namespace

void Form1::Config_Save() {
  BoxLayout& layout = browser_->layout();
  if (layout.IsReduced()) layout.mnuRestore_Click();  // the normal height is the one to keep
  const FolderChain& chain = browser_->chain();
  Config config;
  config.appearance = look_;
  config.width = window_->Width();
  config.height = window_->Height();
  config.left = window_->Left();
  config.top = window_->Top();
  config.options = options_;
  if (browser_->Restoring()) {
    config.chain = *browser_->Restoring();  // what is not open again yet is kept
  } else {
    config.chain.lastBox = chain.LastBox();
    config.chain.currentFolder = chain.CurrentFolder();
    for (const FolderBox& box : chain.boxes())
      config.chain.boxes.push_back(Selection(box.selected, box.entries, box.tag));
    const FileList& files = chain.files();
    config.chain.file = Selection(files.selection.Focus(), files.entries, files.tag);
  }
  if (!settingsFiles_.Save(kConfigFile, ConfigText(config))) {
    settingsFiles_.SayUnsaved(ws_);
    settingsFiles_.KeepUnsaved(kFavoritesFile, FavoritesText(chain.Favorites()));
    return;
  }
  browser_->favorites().Favorites_Save();
}

// Without a file, or with one damaged before the path, the program starts as
// on its first run. The remembered folders open box by box as clicks would,
// each as it is read, then the remembered file is selected.
void Form1::Config_Load() {
  const std::optional<SettingsRead> contents = settingsFiles_.Read(kConfigFile);
  if (!contents) {
    ShowFirstRunWelcome();
    return;
  }
  browser_->favorites().Favorites_Load();
  Config config;  // what was not read stays as it is
  config.appearance = look_;
  config.height = window_->Height();
  config.left = window_->Left();
  config.top = window_->Top();
  config.options = options_;
  const bool read = ReadConfig(contents->text, config);
  if (!contents->whole || (!read && !contents->text.empty())) {
    if (const std::string told = settingsFiles_.SetAside(kConfigFile); !told.empty())
      ws_.MsgBox(told, msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  }
  look_ = config.appearance;
  options_ = config.options;
  if (config.height != window_->Height()) window_->SetHeight(config.height);
  window_->SetLeft(config.left);
  window_->SetTop(config.top);
  ShowOptions();
  // Box 0 and the file list were made before the colours were known.
  browser_->lists().Dir(0).SetBackColor(look_.foldersBackColor);
  browser_->lists().Files().SetBackColor(look_.filesBackColor);
  if (!read) {
    ShowFirstRunWelcome();
    return;
  }
  browser_->Restore(std::move(config.chain));
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
  if (answer == msgbox::kYes) window_->ShowHelp(help_->HelpFile(), kHelpContents);
}

// The menu marks show the options; "Stay always on top" takes effect.
void Form1::ShowOptions() {
  window_->SetMenuChecked(menu::mnuRememberPath, options_.rememberPath);
  window_->SetMenuChecked(menu::mnuAnimation, options_.animation);
  window_->SetMenuChecked(menu::mnuAutoPlay, options_.autoPlay);
  window_->SetMenuChecked(menu::mnuFileDetails, options_.fileDetails);
  window_->SetMenuChecked(menu::mnuTopMost, options_.topMost);
  if (options_.topMost) ApplyTopMost();
}

// Each option takes effect at once and reaches the file at the next save.
void Form1::mnuRememberPath_Click() {
  options_.rememberPath = !options_.rememberPath;
  window_->SetMenuChecked(menu::mnuRememberPath, options_.rememberPath);
}

void Form1::mnuAnimation_Click() {
  options_.animation = !options_.animation;
  window_->SetMenuChecked(menu::mnuAnimation, options_.animation);
}

void Form1::mnuAutoPlay_Click() {
  options_.autoPlay = !options_.autoPlay;
  window_->SetMenuChecked(menu::mnuAutoPlay, options_.autoPlay);
}

void Form1::mnuFileDetails_Click() {
  options_.fileDetails = !options_.fileDetails;
  window_->SetMenuChecked(menu::mnuFileDetails, options_.fileDetails);
}

// Modeless: the main window stays usable. Nothing covers the dialog while
// it is open; an open one is only brought forward.
void Form1::mnuSizeColors_Click() {
  ClearAllTopMost();
  if (!form4()) {
    Form4::Events events;
    events.apply = [this](const Appearance& chosen, bool animation) {
      ApplyAppearance(chosen, animation);
    };
    events.unload = [this] { ApplyTopMost(); };
    form4_ = std::make_unique<Form4>(ws_, std::move(events));
    form4_->Form_Load(look_, options_.animation);
  }
  form4_->window().Show();
  form4_->window().SetFocus();
}

// The rebuild shows the new widths and colours; no file is selected after it.
void Form1::ApplyAppearance(const Appearance& chosen, bool animation) {
  options_.animation = animation;
  window_->SetMenuChecked(menu::mnuAnimation, animation);
  look_ = chosen;
  browser_->ClickFile(-1, 0);
  browser_->Refresh_All();
}

// Empties and deletes the configuration, then starts a fresh copy of the
// program, which begins as on its first run, and ends this one unsaved.
void Form1::mnuReset_Click() {
  settingsFiles_.Forget(kConfigFile);
  const std::string& folder = settingsFiles_.ProgramDir();
  if (fs_.SaveFile(folder + "config", "") && fs_.RemoveFile(folder + kConfigFile) &&
      fs_.StartProgram('"' + folder + "Vantiro.exe\"")) {
    WhenOperationsEnd([this] { ws_.Quit(); });
    return;
  }
  ws_.MsgBox("Sorry: Unable to reset Vantiro!.", msgbox::kOkOnly | msgbox::kInformation, "Error");
}

}  // namespace vantiro
