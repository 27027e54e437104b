#include "app/form1.h"

#include "commands/menu_names.h"
#include "settings/size_colors.h"

namespace vantiro {
namespace {

constexpr Twips kDesignClientWidth = 3315;
constexpr Twips kDesignClientHeight = 4365;

}  // namespace

Form1::Form1(WindowSystem& ws, Executor& executor, FileSystem& fs, const PictureDecoder& pictures)
    : ws_(ws), executor_(executor), fs_(fs), settingsFiles_(fs) {
  Window::Events events;
  // The window system may report a size while the window is being created.
  events.resize = [this] {
    if (browser_) browser_->layout().Form_Resize();
  };
  events.queryUnload = [this] { return Form_QueryUnload(); };
  events.unload = [this] { Form_Unload(); };
  window_ = ws_.CreateTopWindow({kCaption, WindowKind::SizableToolWindow, kDesignClientWidth,
                                 kDesignClientHeight, DesignMenuBar()},
                                std::move(events));
  Previews::Events previewEvents;
  previewEvents.made = [this] { topMost_->ApplyTopMost(); };
  previewEvents.html.press = [this](int row, int button) {
    browser_->files().Titles_MouseDown(row, button);
  };
  previewEvents.html.dblClick = [this] { commands_->file().mnuFileOpen_Click(); };
  previews_ = std::make_unique<Previews>(Previews::Services{ws_, executor_, fs_, pictures},
                                         *window_, options_, std::move(previewEvents));
  topMost_ = std::make_unique<TopMost>(*window_, *previews_, options_);
  help_ = std::make_unique<HelpMenu>(
      ws_, fs_, *window_, settingsFiles_.ProgramDir(), [this](bool coverable) {
        coverable ? topMost_->ApplyTopMost() : topMost_->ClearAllTopMost();
      });
  chain_ = std::make_unique<FolderChain>(fs_, window_->Measurer());
  loader_ = std::make_unique<FolderLoader>(executor_, fs_, *chain_);
  commands_ = std::make_unique<Commands>(
      ws_, executor_, fs_, *window_, *chain_, *loader_, settingsFiles_,
      [this]() -> FolderSteps& { return *browser_; }, [this] { settings_->Config_Save(); });
  settings_ =
      std::make_unique<SavedSettings>(ws_, *window_, options_, look_, settingsFiles_, *topMost_,
                                      *help_, [this]() -> Browser& { return *browser_; });
  browser_ = std::make_unique<Browser>(ws_, *window_, *chain_, *loader_, *commands_, *settings_,
                                       *topMost_, *previews_, settingsFiles_, options_, look_);
}

Form1::~Form1() = default;

// The menu bar as designed: each subsystem's menus and entries, which call
// its handlers. FOLDER and FILE are hidden at start and also serve as pop-up
// menus.
std::vector<MenuItem> Form1::DesignMenuBar() {
  const HandlerOf<Browser> browser = [this]() -> Browser& { return *browser_; };
  const HandlerOf<FavoriteList> favorites = [this]() -> FavoriteList& {
    return browser_->favorites();
  };
  const HandlerOf<Commands> commands = [this]() -> Commands& { return *commands_; };
  const HandlerOf<SavedSettings> settings = [this]() -> SavedSettings& { return *settings_; };
  const HandlerOf<Form1> form1 = [this]() -> Form1& { return *this; };
  MenuItem file =
      Menu("mnuFile1", "File",
           {SavedSettings::OptionsMenu(
                settings, TopMost::MenuEntry([this]() -> TopMost& { return *topMost_; })),
            SavedSettings::SizeColorsEntry(settings), Separator("mnuNone"),
            FavoriteList::FavoritesMenu(favorites), Separator("mnuNone7"),
            FileClicks::FiltersEntry([this]() -> FileClicks& { return browser_->files(); }),
            Separator("mnuNone11"), Browser::RefreshEntry(browser),
            Item("mnuReset", "Reset all", "Ctrl+R", Calls(form1, &Form1::mnuReset_Click)),
            Separator("mnuNone4"),
            Item("mnuExit", "Exit", "Ctrl+F4", Calls(form1, &Form1::mnuExit_Click))});
  std::vector<MenuItem> bar = {file, HelpMenu::Menu([this]() -> HelpMenu& { return *help_; })};
  for (MenuItem& item :
       BoxLayout::MenuEntries([this]() -> BoxLayout& { return browser_->layout(); }))
    bar.push_back(std::move(item));
  bar.push_back(Commands::FolderMenu(commands, FavoriteList::AddEntry(favorites)));
  bar.push_back(Commands::FileMenu(commands));
  return bar;
}

void Form1::Start() {
  Form_Load();
  window_->Show();
}

void Form1::Form_Load() {
  settingsFiles_.SetProgramDir(fs_.CurrentDirectory());
  look_ = Appearance{};
  browser_->lists().Files().SetWidth(look_.activeBoxWidth);
  browser_->lists().Files().SetBackColor(look_.filesBackColor);
  browser_->LoadDir0();
  window_->SetLeft(450);
  window_->SetTop(600);
  settings_->Config_Load();
  browser_->lists().Dir(0).SetWidth(look_.activeBoxWidth);
  browser_->layout().ResizeWindow();
  if (window_->Left() + window_->Width() < 0) window_->SetLeft(0);
  browser_->layout().SetTimer1Enabled(true);
  browser_->lists().Files().AcceptShellDrops();
}

// A close while files are being copied, moved or deleted lets the
// operation end: the windows go at once, and the program once it is over.
bool Form1::Form_QueryUnload() {
  if (!commands_->Busy()) return true;
  WhenOperationsEnd([this] { window_->Close(); });
  return false;
}

void Form1::WhenOperationsEnd(std::function<void()> then) {
  if (commands_->Busy()) {
    window_->Hide();
    if (Form4* dialog = settings_->form4()) dialog->window().Hide();
    previews_->HidePictureViewer();
    previews_->HidePlayer(true);
    previews_->HideHtmlList();
  }
  commands_->WhenDone(std::move(then));
}

void Form1::Form_Unload() {
  settings_->Config_Save();
  ws_.Quit();
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
