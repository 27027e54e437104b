#include "preview/previews.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>

namespace vantiro {
namespace {

struct MediaKind {
  std::string_view key;
  std::string_view deviceType;
};

constexpr std::array<MediaKind, 3> kMediaKinds = {
    {{".avi", "AVIVideo"}, {".wav", "WaveAudio"}, {".mid", "Sequencer"}}};

std::string Lowered(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// The last four characters of the path, lower-cased: "photo.jpeg" has none.
std::string PreviewKey(const std::string& fullPath) {
  return Lowered(fullPath.substr(fullPath.size() - std::min<std::size_t>(4, fullPath.size())));
}

// A picture's kind is its extension, lower-cased: that of "photo.JPEG" is
// ".jpeg".
std::string Extension(const std::string& fullPath) {
  const std::size_t dot = fullPath.find_last_of(".\\/");
  if (dot == std::string::npos || fullPath[dot] != '.') return {};
  return Lowered(fullPath.substr(dot));
}

const MediaKind* FindMediaKind(const std::string& key) {
  const auto found = std::ranges::find(kMediaKinds, key, &MediaKind::key);
  return found != kMediaKinds.end() ? &*found : nullptr;
}

template <typename Form>
bool Loaded(const std::unique_ptr<Form>& form) {
  return form && !form->unloaded();
}

}  // namespace

Previews::Previews(const Services& services, Window& main, const Options& options, Events events)
    : ws_(services.ws),
      executor_(services.executor),
      fs_(services.fs),
      pictures_(services.pictures),
      main_(main),
      options_(options),
      events_(std::move(events)) {}

template <typename Form, typename... Args>
Form& Previews::MadeOnFirstUse(std::unique_ptr<Form>& form, Args&&... args) {
  if (!Loaded(form)) {
    form = std::make_unique<Form>(ws_, std::forward<Args>(args)...);
    events_.made();
  }
  return *form;
}

Form2& Previews::form2() {
  return MadeOnFirstUse(form2_, [this](int divisor) { Sharpen(divisor); });
}
Form3& Previews::form3() { return MadeOnFirstUse(form3_); }
FrmHtml& Previews::frmHTML() { return MadeOnFirstUse(frmHTML_, events_.html); }
FrmDetails& Previews::frmDetails() { return MadeOnFirstUse(frmDetails_); }

// A picture, a file's details or a sound keeps the keys with the main
// window; a video keeps the player in front.
bool Previews::Preview(const std::string& fileName, const std::string& fullPath) {
  const std::string key = PreviewKey(fullPath);
  bool takeKeysBack = false;
  if (IsPicture(fullPath)) {
    ShowPicture(fileName, fullPath);
    takeKeysBack = true;
  } else if (options_.fileDetails && !FindMediaKind(key) && key != ".htm" && key != "html") {
    ShowDetails(fileName, fullPath);
    takeKeysBack = true;
  } else {
    HidePictureViewer();
  }
  if (FindMediaKind(key)) {
    ShowMultimedia(fileName, fullPath);
    takeKeysBack = takeKeysBack || key != ".avi";
  } else {
    HidePlayer(false);
  }
  return takeKeysBack;
}

bool Previews::IsPicture(const std::string& fullPath) {
  if (pictureKinds_.empty()) pictureKinds_ = pictures_.Extensions();
  return std::ranges::find(pictureKinds_, Extension(fullPath)) != pictureKinds_.end();
}

// The picture is decoded at the size it is shown: halved as often as its
// window takes to fit the work area.
void Previews::ShowPicture(const std::string& fileName, const std::string& fullPath) {
  const PictureRoom room = form2().RoomIn(ws_.WorkArea());
  picturePath_ = fullPath;
  detailsAsked_.reset();
  Decode(
      fullPath, [room](Twips width, Twips height) { return 1 << FitHalvings(width, height, room); },
      [this, fileName, room](std::shared_ptr<const Picture> picture) {
        ShowDecoded(fileName, std::move(picture), room);
      });
}

// A picture that cannot be decoded changes the caption alone, or shows the
// file's details where they are asked for.
void Previews::ShowDecoded(const std::string& fileName, std::shared_ptr<const Picture> picture,
                           const PictureRoom& room) {
  Form2& viewer = form2();
  viewer.window().SetCaption(fileName + " ");
  if (!viewer.TakePicture(std::move(picture))) {
    if (options_.fileDetails) ShowDetails(fileName, picturePath_);
    return;
  }
  viewer.FitTo(room);  // the halvings its divisor was chosen by
  viewer.Resize();
  PlaceBeside(viewer.window());
  if (Loaded(frmDetails_)) frmDetails_->window().Hide();
  viewer.ShowImage();
  main_.Show();
  main_.SetFocus();
}

void Previews::Sharpen(int divisor) {
  Decode(
      picturePath_, [divisor](Twips, Twips) { return divisor; },
      [this](std::shared_ptr<const Picture> finer) {
        if (Loaded(form2_)) form2_->Sharpen(std::move(finer));
      });
}

void Previews::Decode(const std::string& path, PictureDecoder::ChooseDivisor divisor,
                      Decoded done) {
  pictureAsked_ = std::make_unique<Lifetime>();
  waitingDecode_ = [this, ended = pictureAsked_->ended(), path, divisor = std::move(divisor),
                    done = std::move(done)] {
    executor_.RunThenPost(
        alive_,
        [&pictures = pictures_, path, divisor, ended] {
          return pictures.Decode(path, divisor, ended);
        },
        [this, ended, done](std::shared_ptr<const Picture> picture) {
          decoding_ = false;
          if (!*ended) done(std::move(picture));
          DecodeNext();
        });
  };
  DecodeNext();
}

void Previews::ForgetPicture() {
  pictureAsked_.reset();
  waitingDecode_ = {};
}

void Previews::DecodeNext() {
  if (decoding_ || !waitingDecode_) return;
  decoding_ = true;
  std::exchange(waitingDecode_, {})();
}

// Flush right of the main window, top edges aligned.
void Previews::PlaceBeside(Window& window) {
  window.SetLeft(ClampTwips(std::int64_t{main_.Left()} + main_.Width()));
  window.SetTop(main_.Top());
}

// The main window keeps the keys: the user goes on choosing files.
void Previews::ShowDetails(const std::string& fileName, const std::string& fullPath) {
  if (Loaded(form2_)) form2_->window().Hide();
  ForgetPicture();
  detailsAsked_ = std::make_unique<Lifetime>();  // what the last ask is reading stays unshown
  executor_.RunThenPost(
      *detailsAsked_,
      [&fs = fs_, fileName, fullPath] { return ReadDetails(fs, fullPath, fileName); },
      [this](const FileDetails& details) {
        PlaceBeside(frmDetails().window());
        frmDetails().Show(details);
        main_.Show();
        main_.SetFocus();
      });
}

void Previews::ShowMultimedia(const std::string& fileName, const std::string& fullPath) {
  Form3& player = form3();
  player.window().SetCaption(fileName);
  player.window().SetWidth(main_.Width());
  MediaPlayer& control = player.MMControl1();
  control.SetWidth(player.window().ClientWidth());
  DockPlayer();
  if (control.Mode() != kModeNotOpen) control.SetCommand("Close");
  control.SetNotify(false);
  control.SetWait(true);
  control.SetShareable(false);
  if (const MediaKind* kind = FindMediaKind(PreviewKey(fullPath)))
    control.SetDeviceType(std::string(kind->deviceType));
  control.SetFileName(fullPath);
  player.window().Show();
  control.SetCommand("Open");
  if (options_.autoPlay) control.SetCommand("Play");
}

// Under the main window, left edges aligned.
void Previews::DockPlayer() {
  if (!Loaded(form3_)) return;
  form3_->window().SetLeft(main_.Left());
  form3_->window().SetTop(ClampTwips(std::int64_t{main_.Top()} + main_.Height()));
}

void Previews::HidePictureViewer() {
  if (Loaded(form2_)) form2_->window().Hide();
  if (Loaded(frmDetails_)) frmDetails_->window().Hide();
  detailsAsked_.reset();  // and what is still being read or decoded stays unshown
  ForgetPicture();
}

void Previews::HidePlayer(bool evenPlaying) {
  if (Loaded(form3_) && (evenPlaying || !form3_->Playing())) form3_->window().Hide();
}

void Previews::HideHtmlList() {
  if (Loaded(frmHTML_)) frmHTML_->window().Hide();
}

void Previews::SetHtmlTitles(std::vector<std::string> titles) {
  if (!titles.empty() || Loaded(frmHTML_)) frmHTML().SetRows(std::move(titles));
}

}  // namespace vantiro
