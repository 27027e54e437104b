#include "app/form1.h"

#include "commands/menu_names.h"
#include "help/help_menu.h"
#include "settings/size_colors.h"

namespace vantiro {
namespace {

constexpr Twips kDesignClientWidth = 3315;
constexpr Twips kDesignClientHeight = 4365;

}  // namespace

Form1::Form1(WindowSystem& ws, FileSystem& fs) : ws_(ws), fs_(fs), settingsFiles_(fs) {
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
  previewEvents.made = [this] { ApplyTopMost(); };
  previewEvents.html.press = [this](int row, int button) {
    browser_->Titles_MouseDown(row, button);
  };
  previewEvents.html.dblClick = [this] { commands_->mnuFileOpen_Click(); };
  previews_ = std::make_unique<Previews>(ws_, fs_, *window_, options_, std::move(previewEvents));
  chain_ = std::make_unique<FolderChain>(
      fs_,
      [&main = *window_](const std::vector<std::string>& texts) { return main.TextWidths(texts); });
  loader_ = std::make_unique<FolderLoader>(ws_, fs_, *chain_);
  commands_ = std::make_unique<Commands>(ws_, fs_, *window_, *chain_, *loader_, settingsFiles_,
                                         [this] { Config_Save(); });
  Browser::Host& host = *this;
  browser_ = std::make_unique<Browser>(ws_, *window_, *chain_, *loader_, *commands_, host,
                                       *previews_, settingsFiles_, options_, look_);
  help_ = std::make_unique<HelpMenu>(
      ws_, fs_, *window_, settingsFiles_.ProgramDir(),
      [this](bool coverable) { coverable ? ApplyTopMost() : ClearAllTopMost(); });
}

Form1::~Form1() = default;

Form4* Form1::form4() { return form4_ && !form4_->unloaded() ? form4_.get() : nullptr; }

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
  Config_Load();
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
    if (form4()) form4_->window().Hide();
    previews_->HidePictureViewer();
    previews_->HidePlayer(true);
    previews_->HideHtmlList();
  }
  commands_->WhenDone(std::move(then));
}

void Form1::Form_Unload() {
  Config_Save();
  ws_.Quit();
}

}  // namespace vantiro
