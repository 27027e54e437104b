// The main window. Form1 makes the objects that hold the handlers of each
// subsystem and wires them together: the folder chain and its loader, the
// FILE and FOLDER commands, the browser with its folder boxes, file list
// and layout, the previews, the settings the program keeps and the help.
// It starts and ends the program, keeps the options and the top-most.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/saved_settings.h"
#include "app/top_most.h"
#include "browser/browser.h"
#include "chain/folder_chain.h"
#include "chain/folder_loader.h"
#include "commands/commands.h"
#include "help/help_menu.h"
#include "preview/previews.h"
#include "settings/options.h"
#include "settings/settings_files.h"

namespace vantiro {

class Form1 final {
 public:
  Form1(WindowSystem& ws, Executor& executor, FileSystem& fs, const PictureDecoder& pictures);
  ~Form1();
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Loads the window and shows it.
  void Start();
  Window& window() { return *window_; }
  Browser& browser() { return *browser_; }
  Previews& previews() { return *previews_; }
  SavedSettings& settings() { return *settings_; }

 private:
  std::vector<MenuItem> DesignMenuBar();
  void Form_Load();
  bool Form_QueryUnload();
  // Runs then once no file operation is left; the windows hide meanwhile.
  void WhenOperationsEnd(std::function<void()> then);
  void Form_Unload();
  void mnuExit_Click() { window_->Close(); }
  void mnuReset_Click();

  WindowSystem& ws_;
  Executor& executor_;
  FileSystem& fs_;
  Options options_;
  Appearance look_;
  SettingsFiles settingsFiles_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<Previews> previews_;
  std::unique_ptr<TopMost> topMost_;
  std::unique_ptr<HelpMenu> help_;
  std::unique_ptr<FolderChain> chain_;
  std::unique_ptr<FolderLoader> loader_;
  std::unique_ptr<Commands> commands_;
  std::unique_ptr<SavedSettings> settings_;
  std::unique_ptr<Browser> browser_;
};

}  // namespace vantiro
