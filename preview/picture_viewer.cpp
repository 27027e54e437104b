#include "preview/picture_viewer.h"

#include "settings/program.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace vantiro {
namespace {

constexpr Twips kDesignClientSize = 3000;  // refitted before it is ever shown
constexpr double kScrollStep = 450;
constexpr double kZoomRoomMargin = 15;
// The window system draws no control longer than 32767 pixels.
constexpr double kMaxImageTwips = 32767.0 * 15;

// The nearest whole number, halves to even, which must fit an Int.
template <typename Int>
double Round(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
    throw std::overflow_error("a length out of range");
  return rounded;
}

Twips ToTwips(double value) {
  if (std::abs(value) > kMaxImageTwips) throw std::overflow_error("a picture too large to draw");
  return static_cast<Twips>(Round<std::int32_t>(value));
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

int FitHalvings(double width, double height, const PictureRoom& room) {
  constexpr int kMostHalvings = 24;  // a picture of 2^24 pixels fits a screen of one
  int halvings = 0;
  while ((width > room.width || height > room.height) && halvings < kMostHalvings) {
    width /= 2;
    height /= 2;
    ++halvings;
  }
  return halvings;
}

int DivisorFor(double ownWidth, double shownWidth) {
  int divisor = 1;
  while (divisor < (1 << 24) && shownWidth * divisor * 2 <= ownWidth) divisor *= 2;
  return divisor;
}

Form2::Form2(WindowSystem& ws, std::function<void(int divisor)> wantsFiner)
    : ws_(ws), wantsFiner_(std::move(wantsFiner)) {
  Window::Events events;
  events.click = [this] { Form_Click(); };
  events.keyDown = [this](const KeyEvent& event) { Form_KeyDown(event); };
  events.unload = [this] { unloaded_ = true; };
  window_ = ws.CreateTopWindow(
      {"Picture", WindowKind::FixedToolWindow, kDesignClientSize, kDesignClientSize, {}},
      std::move(events));
  PictureBox::Events imageEvents;
  imageEvents.mouseDown = [this](const MouseEvent& event) { Image1_MouseDown(event); };
  imageEvents.mouseMove = [this](const MouseEvent& event) { Image1_MouseMove(event); };
  imageEvents.keyDown = [this](const KeyEvent& event) { Form_KeyDown(event); };
  image1_ = window_->CreatePictureBox(std::move(imageEvents));
}

bool Form2::TakePicture(std::shared_ptr<const Picture> picture) {
  image1_->SetVisible(false);
  image1_->SetStretch(false);
  image1_->Move(0, 0, image1_->Width(), image1_->Height());
  image_ = {};
  picture_ = std::move(picture);
  image1_->SetPicture(picture_);
  if (!picture_) return false;
  image_ = {0, 0, static_cast<double>(picture_->Width()), static_cast<double>(picture_->Height())};
  return true;
}

void Form2::Sharpen(std::shared_ptr<const Picture> finer) {
  if (!picture_ || !finer || finer->Divisor() >= picture_->Divisor()) return;
  picture_ = std::move(finer);
  image1_->SetPicture(picture_);
}

PictureRoom Form2::RoomIn(const WindowSystem::Area& workArea) const {
  return {static_cast<double>(workArea.width) - (window_->Width() - window_->ClientWidth()),
          static_cast<double>(workArea.height) - (window_->Height() - window_->ClientHeight())};
}

void Form2::FitTo(const PictureRoom& room) {
  for (int halvings = FitHalvings(image_.width, image_.height, room); halvings > 0; --halvings)
    ZoomOut(0, 0);
}

void Form2::ShowImage() {
  image1_->SetVisible(true);
  window_->Show();
}

// The outer size is the borders plus the picture's right and bottom edges:
// a scrolled picture leaves out what lies left of and above the window.
void Form2::Resize() {
  PlaceImage();
  window_->SetHeight(
      ToTwips(window_->Height() - window_->ClientHeight() + image_.top + image_.height));
  window_->SetWidth(
      ToTwips(window_->Width() - window_->ClientWidth() + image_.left + image_.width));
}

void Form2::PlaceImage() {
  image1_->Move(ToTwips(image_.left), ToTwips(image_.top), ToTwips(image_.width),
                ToTwips(image_.height));
}

// Doubles the picture while it is smaller than the screen one way or the
// other. Where the doubled picture outgrows the screen the clicked point
// stays under the mouse, brought in so that the window ends at the screen's
// edge rather than short of it.
void Form2::ZoomIn(double x, double y) {
  image1_->SetStretch(true);
  image1_->SetVisible(false);
  const double screenWidth = ws_.ScreenWidth(), screenHeight = ws_.ScreenHeight();
  if (image_.height < screenHeight + kZoomRoomMargin ||
      image_.width < screenWidth + kZoomRoomMargin) {
    const double roomX = Round<std::int32_t>(screenWidth - (window_->Width() + window_->Left()));
    if (image_.width - x < roomX) x = Round<std::int32_t>(image_.width - roomX);
    const double roomY = Round<std::int32_t>(screenHeight - (window_->Height() + window_->Top()));
    if (image_.height - y < roomY) y = Round<std::int32_t>(image_.height - roomY);
    image_.height *= 2;
    image_.width *= 2;
    if (image_.width > screenWidth) image_.left -= x;
    if (image_.height > screenHeight) image_.top -= y;
    AddZoomStep(" x2", " x0.5");
  }
  Resize();
  image1_->SetVisible(true);
  if (picture_) {
    const int divisor = DivisorFor(picture_->Width(), image_.width);
    if (divisor < picture_->Divisor()) wantsFiner_(divisor);
  }
}

void Form2::ZoomOut(double x, double y) {
  image1_->SetStretch(true);
  image1_->SetVisible(false);
  image_.height /= 2;
  image_.width /= 2;
  const bool wider = image_.width > ws_.ScreenWidth(), higher = image_.height > ws_.ScreenHeight();
  image_.left = wider && image_.left + x / 2 <= 0 ? image_.left + x / 2 : 0;
  image_.top = higher && image_.top + y / 2 <= 0 ? image_.top + y / 2 : 0;
  AddZoomStep(" x0.5", " x2");
  Resize();
  image1_->SetVisible(true);
}

// A step cancels the opposite one last recorded instead of adding to it.
void Form2::AddZoomStep(const std::string& suffix, const std::string& cancelled) {
  std::string caption = window_->Caption();
  if (EndsWith(caption, cancelled)) {
    caption.resize(caption.size() - cancelled.size());
  } else {
    caption += suffix;
  }
  window_->SetCaption(caption);
}

// Up and Left stop at the picture's edge; Down and Right take whole steps
// while the picture reaches past the window's outer edge.
void Form2::Form_KeyDown(const KeyEvent& event) {
  const auto back = [](double& start) {
    if (start < 0) start = start + kScrollStep < 0 ? start + kScrollStep : 0;
  };
  switch (event.keyCode) {
    case 38:  // Up
      back(image_.top);
      break;
    case 40:  // Down
      if (image_.top + image_.height > window_->Height()) image_.top -= kScrollStep;
      break;
    case 37:  // Left
      back(image_.left);
      break;
    case 39:  // Right
      if (image_.left + image_.width > window_->Width()) image_.left -= kScrollStep;
      break;
    default:
      return;
  }
  PlaceImage();
}

void Form2::Image1_MouseDown(const MouseEvent& event) {
  try {
    if (event.button == kLeftButton) ZoomIn(event.x, event.y);
    if (event.button == kRightButton) ZoomOut(event.x, event.y);
  } catch (const std::overflow_error&) {
    ws_.MsgBox("Unable to zoom.", msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    window_->Close();
  }
}

// A drag on the picture moves the window, as a drag on its caption would.
void Form2::Image1_MouseMove(const MouseEvent& event) {
  if (event.button == kLeftButton) window_->DragByCaption();
}

}  // namespace vantiro
