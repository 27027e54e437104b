#include "help/about_box.h"

#include <cstdint>

#include "settings/version.h"

namespace vantiro {
namespace {

constexpr Twips kClientWidth = 6240, kClientHeight = 3225;
constexpr std::array<const char*, 7> kLines = {
    "Vantiro!",
    "Version " VANTIRO_VERSION,
    "A small, fast column browser for your folders,",
    "with quick looks at pictures, sounds and videos.",
    "Written in C++ for Windows by the Vantiro developers.",
    "Copyright (c) 2026 the Vantiro developers.",
    "News and updates: see the home page."};

}  // namespace

FrmAboutBox::FrmAboutBox(WindowSystem& ws, FileSystem& fs) : fs_(fs) {
  Window::Events events;
  events.paint = [this](Canvas& canvas) { Form_Paint(canvas); };
  window_ = ws.CreateTopWindow({"About", WindowKind::FixedDialog, kClientWidth, kClientHeight, {}},
                               std::move(events));
  image1_ = window_->CreatePictureBox({});  // the tile, never shown itself
  image1_->LoadResourcePicture("ABOUT_TILE");
  image2_ = window_->CreatePictureBox({});
  image2_->LoadResourcePicture("ABOUT_PICTURE");
  image2_->SetLeft(240);
  image2_->SetTop(360);
  image2_->SetVisible(true);
  for (std::size_t i = 0; i < label1_.size(); ++i) {
    label1_[i] = window_->CreateLabel(kLines[i]);
    label1_[i]->Move(2640, 240 + static_cast<Twips>(i) * 330, 3480, 255);
    label1_[i]->SetVisible(true);
  }
  command1_ = window_->CreateButton("OK", ButtonRole::Default, {[this] { Command1_Click(); }});
  command1_->Move(5040, 2700, 1095, 375);
  command2_ =
      window_->CreateButton("Homepage...", ButtonRole::Plain, {[this] { Command2_Click(); }});
  command2_->Move(3840, 2700, 1095, 375);
  command1_->SetVisible(true);
  command2_->SetVisible(true);
}

// Wherever the main window stands.
void FrmAboutBox::Form_Load() {
  window_->SetLeft(800);
  window_->SetTop(1200);
}

// The tile at its natural size over the whole window, past the client area
// where the window system clips it.
void FrmAboutBox::Form_Paint(Canvas& canvas) {
  const Twips stepX = image1_->PictureWidth(), stepY = image1_->PictureHeight();
  if (stepX <= 0 || stepY <= 0) return;
  for (std::int32_t x = 0; x <= window_->Width(); x += stepX) {
    for (std::int32_t y = 0; y <= window_->Height(); y += stepY) canvas.DrawPicture(*image1_, x, y);
  }
}

}  // namespace vantiro
