// A colour picker: a swatch showing the selected colour and a narrow browse
// button at its right edge. A click on either, or Alt+Down, opens the
// system's colour dialog; a colour confirmed there becomes the selection,
// and Change is raised with it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/user_control.h"
#include "platform/window_system.h"

namespace vantiro {

class ColorBrowser {
 public:
  // A handler may change the colour it is given: the control keeps that.
  using ChangeHandler = std::function<void(Color& color)>;

  // Placed on the host hidden, like any new control. Whether the dialog
  // lets the user define custom colours belongs to the host's design.
  ColorBrowser(WindowSystem& ws, ControlHost& host, bool allowCustomColors = true,
               ChangeHandler change = {});

  UserControl& control() { return *control_; }
  PictureBox& picSelection() { return *picSelection_; }
  Button& cmdBrowse() { return *cmdBrowse_; }

  Color SelectedColor() const { return selectedColor_; }
  // Repaints the swatch; raises no Change.
  void SetSelectedColor(Color color);
  // The host's tooltip shows on the swatch.
  void SetToolTip(const std::string& text) { picSelection_->SetToolTip(text); }

  void cmdBrowse_Click();
  void picSelection_Click() { cmdBrowse_Click(); }
  void picSelection_Paint(Canvas& canvas);
  void UserControl_KeyDown(const KeyEvent& event);
  void UserControl_Resize();

 private:
  bool ShowColorDialog(Color& color, bool allowCustomColors);

  WindowSystem& ws_;
  ChangeHandler change_;
  std::unique_ptr<UserControl> control_;
  std::unique_ptr<PictureBox> picSelection_;
  std::unique_ptr<Button> cmdBrowse_;
  Color selectedColor_ = 0x00FFFFFF;
  const bool allowCustomColors_;
};

}  // namespace vantiro
