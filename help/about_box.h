// "About": a fixed modal dialog with a tiled background, the program's
// picture, its name, version and origin, and a way to its home page.
#pragma once

#include <array>
#include <memory>

#include "platform/file_system.h"
#include "platform/window_system.h"

namespace vantiro {

// The program's home page, which "Homepage..." opens in the web browser.
inline constexpr const char* kHomePage = "https://vantiro.org/";

class FrmAboutBox {
 public:
  FrmAboutBox(WindowSystem& ws, FileSystem& fs);

  Window& window() { return *window_; }
  PictureBox& Image1() { return *image1_; }

  void Form_Load();
  void Form_Paint(Canvas& canvas);
  void Command1_Click() { window_->Close(); }
  void Command2_Click() { fs_.OpenDocument(kHomePage); }

 private:
  FileSystem& fs_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<PictureBox> image1_, image2_;
  std::array<std::unique_ptr<Label>, 7> label1_;
  std::unique_ptr<Button> command1_, command2_;
};

}  // namespace vantiro
