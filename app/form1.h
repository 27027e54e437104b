// The main window: the folder boxes and the file list (the Browser), the
// menu bar, the layout and its animation, and the options and settings the
// program keeps. It makes the objects that hold the handlers of each
// subsystem and hands every event to its handler.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "browser/browser.h"
#include "commands/commands.h"
#include "settings/options.h"
#include "settings/settings_files.h"

namespace vantiro {

class Form4;
class HelpMenu;

class Form1 final : private Browser::Host {
 public:
  Form1(WindowSystem& ws, FileSystem& fs);
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Loads the window and shows it.
  void Start();
  Window& window() { return *window_; }
  Browser& browser() { return *browser_; }
  Previews& previews() { return *previews_; }
  // The size and colours dialog while it is open; nullptr otherwise.
  Form4* form4();

 private:
  void Form_Load();
  bool Form_QueryUnload();
  // Runs then once no file operation is left; the windows hide meanwhile.
  void WhenOperationsEnd(std::function<void()> then);
  void Form_Unload();
  void mnuExit_Click() { window_->Close(); }
  std::vector<MenuItem> DesignMenuBar();

  // "Stay always on top", shared by the main window and the previews.
  void mnuTopMost_Click();
  void ApplyTopMost() override;
  void SetAllTopMost() override;
  void ClearAllTopMost();

  // The options and the settings files.
  void Config_Save() override;
  void Config_Load() override;
  void ShowFirstRunWelcome();
  void ShowOptions();
  void mnuRememberPath_Click();
  void mnuAnimation_Click();
  void mnuAutoPlay_Click();
  void mnuFileDetails_Click();
  void mnuSizeColors_Click();
  void ApplyAppearance(const Appearance& chosen, bool animation);
  void mnuReset_Click();

  WindowSystem& ws_;
  FileSystem& fs_;
  Options options_;
  Appearance look_;
  SettingsFiles settingsFiles_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<Previews> previews_;
  std::unique_ptr<FolderChain> chain_;
  std::unique_ptr<FolderLoader> loader_;
  std::unique_ptr<Commands> commands_;
  std::unique_ptr<Browser> browser_;
  std::unique_ptr<HelpMenu> help_;
  std::unique_ptr<Form4> form4_;
};

}  // namespace vantiro
