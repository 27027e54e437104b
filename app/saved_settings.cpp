#include "app/saved_settings.h"

#include "commands/menu_names.h"
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

SavedSettings::SavedSettings(WindowSystem& ws, Window& main, Options& options, Appearance& look,
                             SettingsFiles& files, TopMost& topMost, HelpMenu& help,
                             HandlerOf<Browser> browser)
    : ws_(ws),
      main_(main),
      options_(options),
      look_(look),
      settingsFiles_(files),
      topMost_(topMost),
      help_(help),
      browser_(std::move(browser)) {}

SavedSettings::~SavedSettings() = default;

MenuItem SavedSettings::OptionsMenu(HandlerOf<SavedSettings> of, MenuItem topMost) {
  return Menu("mnuOptions", "Options",
              {Checked(Item(menu::mnuRememberPath, "Remember path when closing", {},
                            Calls(of, &SavedSettings::mnuRememberPath_Click)),
                       true),
               Item(menu::mnuAnimation, "Use animation when exploring folders", {},
                    Calls(of, &SavedSettings::mnuAnimation_Click)),
               Item(menu::mnuAutoPlay, "Automatically start playing audio and video files", {},
                    Calls(of, &SavedSettings::mnuAutoPlay_Click)),
               Checked(Item(menu::mnuFileDetails, "Show file details", {},
                            Calls(of, &SavedSettings::mnuFileDetails_Click)),
                       true),
               Separator("mnuNone12"), std::move(topMost)});
}

MenuItem SavedSettings::SizeColorsEntry(HandlerOf<SavedSettings> of) {
  return Item("mnuSizeColors", "Size and colors...", {},
              Calls(of, &SavedSettings::mnuSizeColors_Click));
}

Form4* SavedSettings::form4() { return form4_ && !form4_->unloaded() ? form4_.get() : nullptr; }

void SavedSettings::Config_Save() {
  BoxLayout& layout = browser_().layout();
  if (layout.IsReduced()) layout.mnuRestore_Click();  // the normal height is the one to keep
  const FolderChain& chain = browser_().chain();
  Config config;
  config.appearance = look_;
  config.width = main_.Width();
  config.height = main_.Height();
  config.left = main_.Left();
  config.top = main_.Top();
  config.options = options_;
  if (browser_().restore().Restoring()) {
    config.chain = *browser_().restore().Restoring();  // what is not open again yet is kept
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
  browser_().favorites().Favorites_Save();
}

// Without a file, or with one damaged before the path, the program starts as
// on its first run. The remembered folders open box by box as clicks would,
// each as it is read, then the remembered file is selected.
void SavedSettings::Config_Load() {
  const std::optional<SettingsRead> contents = settingsFiles_.Read(kConfigFile);
  if (!contents) {
    ShowFirstRunWelcome();
    return;
  }
  browser_().favorites().Favorites_Load();
  Config config;  // what was not read stays as it is
  config.appearance = look_;
  config.height = main_.Height();
  config.left = main_.Left();
  config.top = main_.Top();
  config.options = options_;
  const bool read = ReadConfig(contents->text, config);
  if (!contents->whole || (!read && !contents->text.empty())) {
    if (const std::string told = settingsFiles_.SetAside(kConfigFile); !told.empty())
      ws_.MsgBox(told, msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
  }
  look_ = config.appearance;
  options_ = config.options;
  if (config.height != main_.Height()) main_.SetHeight(config.height);
  main_.SetLeft(config.left);
  main_.SetTop(config.top);
  ShowOptions();
  // Box 0 and the file list were made before the colours were known.
  browser_().lists().Dir(0).SetBackColor(look_.foldersBackColor);
  browser_().lists().Files().SetBackColor(look_.filesBackColor);
  if (!read) {
    ShowFirstRunWelcome();
    return;
  }
  browser_().restore().Restore(std::move(config.chain));
}

void SavedSettings::ShowFirstRunWelcome() {
  const int answer = ws_.MsgBox(
      "Welcome to Vantiro!\r\rSince this is the first time you run Vantiro!, you may want to "
      "read the 'How to...' help file, which explains how to use the program.\r\rDo you want "
      "to read it?",
      msgbox::kYesNo | msgbox::kQuestion, kAppTitle);
  ws_.MsgBox(
      "Please remember that to navigate through your folders you just have to click on them. "
      "If you double-click you will open the selected folder into a Windows Explorer window.",
      msgbox::kOkOnly | msgbox::kInformation, kAppTitle);
  if (answer == msgbox::kYes) help_.ShowManual();
}

// The menu marks show the options; "Stay always on top" takes effect.
void SavedSettings::ShowOptions() {
  main_.SetMenuChecked(menu::mnuRememberPath, options_.rememberPath);
  main_.SetMenuChecked(menu::mnuAnimation, options_.animation);
  main_.SetMenuChecked(menu::mnuAutoPlay, options_.autoPlay);
  main_.SetMenuChecked(menu::mnuFileDetails, options_.fileDetails);
  main_.SetMenuChecked(menu::mnuTopMost, options_.topMost);
  if (options_.topMost) topMost_.ApplyTopMost();
}

// Each option takes effect at once and reaches the file at the next save.
void SavedSettings::Toggle(bool Options::*option, std::string_view name) {
  options_.*option = !(options_.*option);
  main_.SetMenuChecked(name, options_.*option);
}

void SavedSettings::mnuRememberPath_Click() {
  Toggle(&Options::rememberPath, menu::mnuRememberPath);
}

void SavedSettings::mnuAnimation_Click() { Toggle(&Options::animation, menu::mnuAnimation); }

void SavedSettings::mnuAutoPlay_Click() { Toggle(&Options::autoPlay, menu::mnuAutoPlay); }

void SavedSettings::mnuFileDetails_Click() { Toggle(&Options::fileDetails, menu::mnuFileDetails); }

// Modeless: the main window stays usable. Nothing covers the dialog while
// it is open; an open one is only brought forward.
void SavedSettings::mnuSizeColors_Click() {
  topMost_.ClearAllTopMost();
  if (!form4()) {
    Form4::Events events;
    events.apply = [this](const Appearance& chosen, bool animation) {
      ApplyAppearance(chosen, animation);
    };
    events.unload = [this] { topMost_.ApplyTopMost(); };
    form4_ = std::make_unique<Form4>(ws_, std::move(events));
    form4_->Form_Load(look_, options_.animation);
  }
  form4_->window().Show();
  form4_->window().SetFocus();
}

// The rebuild shows the new widths and colours; no file is selected after it.
void SavedSettings::ApplyAppearance(const Appearance& chosen, bool animation) {
  options_.animation = animation;
  main_.SetMenuChecked(menu::mnuAnimation, animation);
  look_ = chosen;
  browser_().files().ClickFile(-1, 0);
  browser_().Refresh_All();
}

}  // namespace vantiro
