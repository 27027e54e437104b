#include "app/form1.h"

#include <algorithm>
#include <limits>

namespace vantiro {
namespace {

constexpr Twips kDesignClientWidth = 3315;
constexpr Twips kDesignClientHeight = 4365;
constexpr int kTimer1Interval = 50;

}  // namespace

Twips ClampTwips(std::int64_t twips) {
  return static_cast<Twips>(std::clamp<std::int64_t>(twips, std::numeric_limits<Twips>::min(),
                                                     std::numeric_limits<Twips>::max()));
}

Form1::Form1(WindowSystem& ws, FileSystem& fs) : ws_(ws), fs_(fs) {
  WindowDesign design{kCaption, WindowKind::SizableToolWindow, kDesignClientWidth,
                      kDesignClientHeight, DesignMenuBar()};
  Window::Events events;
  events.resize = [this] { Form_Resize(); };
  events.unload = [this] { Form_Unload(); };
  window_ = ws_.CreateTopWindow(std::move(design), std::move(events));
  // The file list waits beyond the design width until a folder fills it.
  ListBox::Events filesEvents;
  filesEvents.click = [this] { Files_Click(); };
  filesEvents.dblClick = [this] { Files_DblClick(); };
  filesEvents.mouseDown = [this](const MouseEvent& event) { Files_MouseDown(event); };
  filesEvents.mouseMove = [this](const MouseEvent& event) { Files_MouseMove(event); };
  filesEvents.dragOver = [this](const DragEvent& event) { Files_DragOver(event); };
  filesEvents.shellDragOver = [this](bool offersFiles, int effects) {
    return Files_OLEDragOver(offersFiles, effects);
  };
  filesEvents.shellDrop = [this](const std::vector<std::string>& files) {
    Files_OLEDragDrop(files);
  };
  files_ = window_->CreateListBox(std::move(filesEvents));
  files_->SetLeft(kDesignClientWidth);
  files_->SetWidth(ActiveBoxWidth);
  files_->SetHeight(kDesignClientHeight);
  files_->SetVisible(true);
  timer1_ = ws_.CreateTimer(kTimer1Interval, [this] { Timer1_Timer(); });
}

Form1::~Form1() = default;

void Form1::Start() {
  Form_Load();
  window_->Show();
}

void Form1::Form_Load() {
  Reduced = false;
  window_->SetMenuVisible(menu::mnuReduce, true);
  window_->SetMenuVisible(menu::mnuRestore, false);
  ProgramDir = fs_.CurrentDirectory();
  if (ProgramDir.empty() || ProgramDir.back() != '\\') ProgramDir += '\\';
  LastLoadedBox = -1;
  BoxesWidth = 1200;
  ActiveBoxWidth = 1800;
  FoldersBackColor = 0x00FFFFFF;
  FilesBackColor = 0x80000014;
  files_->SetWidth(ActiveBoxWidth);
  files_->SetBackColor(FilesBackColor);
  LoadDir0();
  window_->SetLeft(450);
  window_->SetTop(600);
  Config_Load();
  Dir(0).SetWidth(ActiveBoxWidth);
  ResizeWindow();
  if (window_->Left() + window_->Width() < 0) window_->SetLeft(0);
  SetTimer1Enabled(true);
  files_->AcceptShellDrops();
}

void Form1::Form_Unload() {
  Config_Save();
  ws_.Quit();
}

void Form1::mnuExit_Click() { window_->Close(); }

}  // namespace vantiro
