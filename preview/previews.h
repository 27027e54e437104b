// The windows beside the main window: the picture viewer (or the details of
// any other file in its place), the player docked under it and the HTML
// files list. Each is made, hidden, on first use;
// closed with its close box it is unloaded, and the next use makes it anew.
// Which file goes where is decided here, by its extension; pictures are
// those the system has a decoder for.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/executor.h"
#include "platform/picture.h"
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
  struct Services {
    WindowSystem& ws;
    Executor& executor;
    const FileSystem& fs;
    const PictureDecoder& pictures;
  };
  Previews(const Services& services, Window& main, const Options& options, Events events);

  // Shows a file in the preview its extension calls for, and hides the
  // others; true when the main window should take the keys back, so that
  // the user goes on choosing files with the preview on screen.
  bool Preview(const std::string& fileName, const std::string& fullPath);
  // Decoded away from the window's thread, fitted to the work area; a
  // later picture, or a hidden viewer, leaves it unshown.
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

  bool IsPicture(const std::string& fullPath);
  void ShowDecoded(const std::string& fileName, std::shared_ptr<const Picture> picture,
                   const PictureRoom& room);
  // Decodes the picture shown again, its pixels divided by divisor.
  void Sharpen(int divisor);
  using Decoded = std::function<void(std::shared_ptr<const Picture>)>;
  void Decode(const std::string& path, PictureDecoder::ChooseDivisor divisor, Decoded done);
  void DecodeNext();
  void ForgetPicture();
  void PlaceBeside(Window& window);

  WindowSystem& ws_;
  Executor& executor_;
  const FileSystem& fs_;
  const PictureDecoder& pictures_;
  std::vector<std::string> pictureKinds_;  // asked of the decoder on first use
  Window& main_;
  const Options& options_;
  Events events_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<Form3> form3_;
  std::unique_ptr<FrmHtml> frmHTML_;
  std::unique_ptr<FrmDetails> frmDetails_;
  // The details or picture wanted are those of the last ask; none once it
  // went, nor once the Previews went.
  std::unique_ptr<Lifetime> detailsAsked_, pictureAsked_;
  std::string picturePath_;  // of the picture asked for last
  // Pictures decode one at a time: the last asked for waits for the one
  // decoding, which stops at its next band once superseded.
  std::function<void()> waitingDecode_;
  bool decoding_ = false;
  Lifetime alive_;
};

}  // namespace vantiro
