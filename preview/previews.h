// The windows beside the main window: the picture viewer, the player docked
// under it and the HTML files list. Each is made, hidden, on first use;
// closed with its close box it is unloaded, and the next use makes it anew.
// Which file goes where is decided here, by its extension.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_system.h"
#include "preview/html_window.h"
#include "preview/picture_viewer.h"
#include "preview/player_window.h"
#include "settings/options.h"

namespace vantiro {

class Previews {
 public:
  struct Events {
    std::function<void()> made;  // a window was made: the top-most option applies to it
    FrmHtml::Events html;
  };
  Previews(WindowSystem& ws, Window& main, const Options& options, Events events);

  // Shows a file in the preview its extension calls for, and hides the
  // others; true when the main window should take the keys back, so that
  // the user goes on choosing files with the preview on screen.
  bool Preview(const std::string& fileName, const std::string& fullPath);
  void ShowPicture(const std::string& fileName, const std::string& fullPath);
  void ShowMultimedia(const std::string& fileName, const std::string& fullPath);
  void HidePictureViewer();
  // Hidden, the player plays on.
  void HidePlayer(bool evenPlaying);
  void DockPlayer();
  void HideHtmlList();
  // The titles of the HTML files listed; the window is made for some.
  void SetHtmlTitles(std::vector<std::string> titles);

  Form2& form2();
  Form3& form3();
  FrmHtml& frmHTML();
  // The windows the top-most option covers besides the main window, made
  // if need be: a new one applies the option itself, which must not undo a
  // change under way.
  std::array<Window*, 3> Windows() {
    return {&form2().window(), &form3().window(), &frmHTML().window()};
  }

 private:
  template <typename Form, typename... Args>
  Form& MadeOnFirstUse(std::unique_ptr<Form>& form, Args&&... args);

  WindowSystem& ws_;
  Window& main_;
  const Options& options_;
  Events events_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
  std::unique_ptr<FrmHtml> frmHTML_;
};

}  // namespace vantiro
