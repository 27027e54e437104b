// What child controls are made on: a window, or a user control's own area.
// Each new control is hidden, with zero size at the top left.
#pragma once

#include <memory>
#include <string>

#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/media_player.h"
#include "platform/picture_box.h"
#include "platform/scroll_bar.h"

namespace vantiro {

class UserControl;
struct UserControlEvents;

class ControlHost {
 public:
  virtual ~ControlHost() = default;

  virtual std::unique_ptr<ListBox> CreateListBox(ListBox::Events events) = 0;
  // A window has at most one default and one cancel button.
  virtual std::unique_ptr<Button> CreateButton(const std::string& caption, ButtonRole role,
                                               Button::Events events) = 0;
  virtual std::unique_ptr<Label> CreateLabel(const std::string& caption) = 0;
  // Lines of text in a fixed-pitch font that the user can scroll and
  // select, not change.
  virtual std::unique_ptr<Label> CreateTextBlock() = 0;
  virtual std::unique_ptr<CheckBox> CreateCheckBox(const std::string& caption,
                                                   CheckBox::Events events) = 0;
  virtual std::unique_ptr<ScrollBar> CreateHScrollBar(ScrollBar::Events events) = 0;
  virtual std::unique_ptr<PictureBox> CreatePictureBox(PictureBox::Events events) = 0;
  virtual std::unique_ptr<MediaPlayer> CreateMediaPlayer() = 0;
  virtual std::unique_ptr<UserControl> CreateUserControl(UserControlEvents events) = 0;
};

}  // namespace vantiro
