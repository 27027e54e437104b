// The picture viewer: a fixed tool window that fits itself around a picture.
// A left click on the picture doubles it, a right click halves it, keeping
// the clicked point under the mouse where the screen allows; the arrow keys
// scroll a picture larger than the window; dragging the picture moves the
// window; a click beside the picture closes it. The caption records the
// zoom steps that have not cancelled out (" x2", " x0.5").
#pragma once

#include <memory>
#include <string>

#include "platform/window_system.h"

namespace vantiro {

class Form2 {
 public:
  explicit Form2(WindowSystem& ws);

  Window& window() { return *window_; }
  PictureBox& Image1() { return *image1_; }
  // Closed by its close box, a click beside the picture or a zoom error;
  // the next picture makes a new one.
  bool unloaded() const { return unloaded_; }

  // Hides the picture, loads it at its natural size at the top left; false,
  // the picture hidden, when the file cannot be shown.
  bool LoadPicture(const std::string& path);
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
  std::unique_ptr<Window> window_;
  std::unique_ptr<PictureBox> image1_;
  Place image_;
  bool unloaded_ = false;
};

}  // namespace vantiro
