#include "preview/previews.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace vantiro {
namespace {

struct MediaKind {
  std::string_view key;
  std::string_view deviceType;
};

constexpr std::array<std::string_view, 5> kPictureKeys = {".bmp", ".ico", ".wmf", ".jpg", ".gif"};
constexpr std::array<MediaKind, 3> kMediaKinds = {
    {{".avi", "AVIVideo"}, {".wav", "WaveAudio"}, {".mid", "Sequencer"}}};

// The last four characters of the path, lower-cased: "photo.jpeg" has none.
std::string PreviewKey(const std::string& fullPath) {
  std::string key = fullPath.substr(fullPath.size() - std::min<std::size_t>(4, fullPath.size()));
  std::ranges::transform(key, key.begin(), [](unsigned char c) { return std::tolower(c); });
  return key;
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

Previews::Previews(WindowSystem& ws, Executor& executor, const FileSystem& fs, Window& main,
                   const Options& options, Events events)
    : ws_(ws),
      executor_(executor),
      fs_(fs),
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

Form2& Previews::form2() { return MadeOnFirstUse(form2_); }
Form3& Previews::form3() { return MadeOnFirstUse(form3_); }
FrmHtml& Previews::frmHTML() { return MadeOnFirstUse(frmHTML_, events_.html); }
FrmDetails& Previews::frmDetails() { return MadeOnFirstUse(frmDetails_); }

// A picture, a file's details or a sound keeps the keys with the main
// window; a video keeps the player in front.
bool Previews::Preview(const std::string& fileName, const std::string& fullPath) {
  const std::string key = PreviewKey(fullPath);
  bool takeKeysBack = false;
  if (std::ranges::find(kPictureKeys, key) != kPictureKeys.end()) {
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

void Previews::ShowPicture(const std::string& fileName, const std::string& fullPath) {
  Form2& viewer = form2();
  viewer.window().SetCaption(fileName + " ");
  if (!viewer.LoadPicture(fullPath)) return;  // silently: the caption alone changed
  if (viewer.image().height > ws_.ScreenHeight() || viewer.image().width > ws_.ScreenWidth())
    viewer.ZoomOut(0, 0);
  viewer.Resize();
  PlaceBeside(viewer.window());
  if (Loaded(frmDetails_)) frmDetails_->window().Hide();
  viewer.ShowImage();
}

// Flush right of the main window, top edges aligned.
void Previews::PlaceBeside(Window& window) {
  window.SetLeft(ClampTwips(std::int64_t{main_.Left()} + main_.Width()));
  window.SetTop(main_.Top());
}

// The main window keeps the keys: the user goes on choosing files.
void Previews::ShowDetails(const std::string& fileName, const std::string& fullPath) {
  if (Loaded(form2_)) form2_->window().Hide();
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
  detailsAsked_.reset();  // and what is still being read stays unshown
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
