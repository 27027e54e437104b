// The windows beside the main window: the picture viewer (or the details of
// any other file in its place), the player docked under it and the HTML
// files list. Each is made, hidden, on first use;
// closed with its close box it is unloaded, and the next use makes it anew.
// Which file goes where is decided here, by its extension.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/executor.h"
#include "platform/window_system.h"
#include "preview/details_window.h"
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
  Previews(WindowSystem& ws, Executor& executor, const FileSystem& fs, Window& main,
           const Options& options, Events events);

  // Shows a file in the preview its extension calls for, and hides the
  // others; true when the main window should take the keys back, so that
  // the user goes on choosing files with the preview on screen.
  bool Preview(const std::string& fileName, const std::string& fullPath);
  void ShowPicture(const std::string& fileName, const std::string& fullPath);
  void ShowMultimedia(const std::string& fileName, const std::string& fullPath);
  // Read away from the window's thread; a later file's details replace
  // these unshown.
  void ShowDetails(const std::string& fileName, const std::string& fullPath);
  // The details too, which stand in its place.
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
  FrmDetails& frmDetails();
  // The windows the top-most option covers besides the main window, made
  // if need be: a new one applies the option itself, which must not undo a
  // change under way.
  std::array<Window*, 4> Windows() {
    return {&form2().window(), &form3().window(), &frmHTML().window(), &frmDetails().window()};
  }

 private:
  template <typename Form, typename... Args>
  Form& MadeOnFirstUse(std::unique_ptr<Form>& form, Args&&... args);

  void PlaceBeside(Window& window);

  WindowSystem& ws_;
  Executor& executor_;
  const FileSystem& fs_;
  Window& main_;
  const Options& options_;
  Events events_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
  std::unique_ptr<FrmHtml> frmHTML_;
  std::unique_ptr<FrmDetails> frmDetails_;
  // The details wanted are those of the last ask; none once it went, nor
  // once the Previews went.
  std::unique_ptr<Lifetime> detailsAsked_;
};

}  // namespace vantiro
