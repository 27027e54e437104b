// What the program keeps between runs: the options, the appearance, the
// main window's place and the chain of folders, in "Config" and
// "Favorites" beside the program; and the commands of File that change
// them, the options and the size and colours dialog.
#pragma once

#include <memory>

#include "app/top_most.h"
#include "browser/browser.h"
#include "help/help_menu.h"
#include "settings/options.h"
#include "settings/settings_files.h"

namespace vantiro {

class Form4;

class SavedSettings final : public Browser::Host {
 public:
  // The browser is made after the settings, by the time they are loaded.
  SavedSettings(WindowSystem& ws, Window& main, Options& options, Appearance& look,
                SettingsFiles& files, TopMost& topMost, HelpMenu& help, HandlerOf<Browser> browser);
  ~SavedSettings();

  // File > Options, with the top-most option's entry last; and "Size and
  // colors...".
  static MenuItem OptionsMenu(HandlerOf<SavedSettings> of, MenuItem topMost);
  static MenuItem SizeColorsEntry(HandlerOf<SavedSettings> of);

  void Config_Save() override;
  void Config_Load() override;
  // The size and colours dialog while it is open; nullptr otherwise.
  Form4* form4();

  void mnuRememberPath_Click();
  void mnuAnimation_Click();
  void mnuAutoPlay_Click();
  void mnuFileDetails_Click();
  void mnuSizeColors_Click();

 private:
  void ShowFirstRunWelcome();
  void ShowOptions();
  // Flips an option and its check mark.
  void Toggle(bool Options::*option, std::string_view name);
  void ApplyAppearance(const Appearance& chosen, bool animation);

  WindowSystem& ws_;
  Window& main_;
  Options& options_;
  Appearance& look_;
  SettingsFiles& settingsFiles_;
  TopMost& topMost_;
  HelpMenu& help_;
  HandlerOf<Browser> browser_;
  std::unique_ptr<Form4> form4_;
};

}  // namespace vantiro
