// The picture viewer: a fixed tool window that fits itself around a picture.
// A left click on the picture doubles it, a right click halves it, keeping
// the clicked point under the mouse where the screen allows; the arrow keys
// scroll a picture larger than the window; dragging the picture moves the
// window; a click beside the picture closes it. The caption records the
// zoom steps that have not cancelled out (" x2", " x0.5"). A picture is
// decoded no finer than it is shown: a zoom asks for finer pixels where it
// needs them.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/window_system.h"

namespace vantiro {

// The room a picture has: the work area less the viewer's borders.
struct PictureRoom {
  double width = 0, height = 0;
};
// How many halvings a picture of this size takes to fit the room; 0 when it
// already fits.
int FitHalvings(double width, double height, const PictureRoom& room);
// The divisor of the pixels a picture of its own width needs shown this
// wide: the largest power of two no more than their ratio, at least 1.
int DivisorFor(double ownWidth, double shownWidth);

class Form2 {
 public:
  // wantsFiner hears of the divisor a zoom needs the picture decoded at.
  Form2(WindowSystem& ws, std::function<void(int divisor)> wantsFiner);

  Window& window() { return *window_; }
  PictureBox& Image1() { return *image1_; }
  // Closed by its close box, a click beside the picture or a zoom error;
  // the next picture makes a new one.
  bool unloaded() const { return unloaded_; }

  // Hides the picture, takes it at its natural size at the top left; false,
  // the picture hidden, without one.
  bool TakePicture(std::shared_ptr<const Picture> picture);
  // Finer pixels of the picture shown; its place and zoom stay.
  void Sharpen(std::shared_ptr<const Picture> finer);
  PictureRoom RoomIn(const WindowSystem::Area& workArea) const;
  // Halves the picture as often as it takes to fit the room.
  void FitTo(const PictureRoom& room);
  // The picture's place and size in twips; Left and Top are 0 or negative
  // when it is scrolled.
  struct Place {
    double left = 0, top = 0, width = 0, height = 0;
  };
  const Place& image() const { return image_; }

  void Resize();
  // Throw std::overflow_error where a length no longer fits its integer.
  void ZoomIn(double x, double y);
  void ZoomOut(double x, double y);
  void ShowImage();

  void Form_Click() { window_->Close(); }
  void Form_KeyDown(const KeyEvent& event);
  void Image1_MouseDown(const MouseEvent& event);
  void Image1_MouseMove(const MouseEvent& event);

 private:
  void PlaceImage();
  void AddZoomStep(const std::string& suffix, const std::string& cancelled);

  WindowSystem& ws_;
  std::function<void(int divisor)> wantsFiner_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<PictureBox> image1_;
  std::shared_ptr<const Picture> picture_;
  Place image_;
  bool unloaded_ = false;
};

}  // namespace vantiro
