#include "settings/color_browser.h"

#include <algorithm>
#include <utility>

namespace vantiro {
namespace {

constexpr Twips kDefaultWidth = 2535, kDefaultHeight = 360;
constexpr Twips kBrowseWidth = 255;  // room for its 16 x 16 picture

}  // namespace

ColorBrowser::ColorBrowser(WindowSystem& ws, ControlHost& host, bool allowCustomColors,
                           ChangeHandler change)
    : ws_(ws), change_(std::move(change)), allowCustomColors_(allowCustomColors) {
  UserControl::Events events;
  events.resize = [this] { UserControl_Resize(); };
  events.keyDown = [this](const KeyEvent& event) { UserControl_KeyDown(event); };
  control_ = host.CreateUserControl(std::move(events));
  PictureBox::Events swatch;
  swatch.click = [this] { picSelection_Click(); };
  swatch.keyDown = [this](const KeyEvent& event) { UserControl_KeyDown(event); };
  swatch.paint = [this](Canvas& canvas) { picSelection_Paint(canvas); };
  swatch.gotFocus = swatch.lostFocus = [this] { picSelection_->Refresh(); };
  picSelection_ = control_->CreatePictureBox(std::move(swatch));
  cmdBrowse_ = control_->CreateButton("", ButtonRole::Plain, {[this] { cmdBrowse_Click(); }});
  cmdBrowse_->SetImage("BROWSE");
  cmdBrowse_->SetWidth(kBrowseWidth);
  picSelection_->SetVisible(true);
  cmdBrowse_->SetVisible(true);
  control_->Move(0, 0, kDefaultWidth, kDefaultHeight);
  UserControl_Resize();
}

void ColorBrowser::SetSelectedColor(Color color) {
  selectedColor_ = color;
  picSelection_->Refresh();
}

void ColorBrowser::cmdBrowse_Click() {
  picSelection_->SetFocus();
  if (!ShowColorDialog(selectedColor_, allowCustomColors_)) return;
  picSelection_->Refresh();
  if (change_) change_(selectedColor_);
}

// Alt alone with Down, as a drop-down list opens.
void ColorBrowser::UserControl_KeyDown(const KeyEvent& event) {
  if (event.keyCode == key::kDown && event.shift == kAltKey) cmdBrowse_Click();
}

// The dialog starts on black with sixteen black custom colours, whatever
// was chosen before; a fresh set each time.
bool ColorBrowser::ShowColorDialog(Color& color, bool allowCustomColors) {
  ColorDialogRecord record;
  record.owner = control_->SystemHandle();
  record.flags = allowCustomColors ? 0 : ColorDialogRecord::kPreventFullOpen;
  const std::optional<Color> chosen = ws_.PickColor(record);
  if (!chosen) return false;
  color = *chosen;
  return true;
}

// The focus rectangle runs one pixel inside the edge, the colour two.
void ColorBrowser::picSelection_Paint(Canvas& canvas) {
  const Twips px = ws_.TwipsPerPixelX(), py = ws_.TwipsPerPixelY();
  const Twips width = picSelection_->Width(), height = picSelection_->Height();
  if (picSelection_->HasFocus()) {
    canvas.DrawFocusRect(px, py, width - 2 * px, height - 2 * py);
  }
  canvas.FillRect(2 * px, 2 * py, width - 4 * px, height - 4 * py, selectedColor_);
}

// The button keeps its width at the right edge; the swatch takes the rest
// but one pixel.
void ColorBrowser::UserControl_Resize() {
  const Twips width = control_->ClientWidth(), height = control_->ClientHeight();
  const Twips browseWidth = cmdBrowse_->Width();
  cmdBrowse_->Move(width - browseWidth, 0, browseWidth, height);
  picSelection_->Move(0, 0, std::max(0, width - browseWidth - ws_.TwipsPerPixelX()), height);
}

}  // namespace vantiro
