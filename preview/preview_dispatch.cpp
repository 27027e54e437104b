// Which file goes to which preview: pictures to the viewer beside the main
// window, sounds and videos to the player docked under it. A sound that is
// playing goes on while the user browses.
#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "app/form1.h"

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

}  // namespace

Form2& Form1::form2() {
  if (!form2_ || form2_->unloaded()) {
    form2_ = std::make_unique<Form2>(ws_);
    ApplyTopMost();
  }
  return *form2_;
}

Form3& Form1::form3() {
  if (!form3_ || form3_->unloaded()) {
    form3_ = std::make_unique<Form3>(ws_);
    ApplyTopMost();
  }
  return *form3_;
}

// The main window takes the keys back, so that the user goes on choosing
// files while the preview stays on screen.
void Form1::Preview(const std::string& fileName, const std::string& fullPath) {
  const std::string key = PreviewKey(fullPath);
  if (std::ranges::find(kPictureKeys, key) != kPictureKeys.end()) {
    ShowPicture(fileName, fullPath);
    TakeFocusBack();
  } else {
    HidePictureViewer();
  }
  if (FindMediaKind(key)) {
    ShowMultimedia(fileName, fullPath);
    if (key != ".avi") TakeFocusBack();  // a video keeps the player in front
  } else {
    HidePlayer(false);
  }
}

void Form1::TakeFocusBack() {
  window_->Show();
  window_->SetFocus();
  files_->SetFocus();
}

void Form1::ShowPicture(const std::string& fileName, const std::string& fullPath) {
  Form2& viewer = form2();
  viewer.window().SetCaption(fileName + " ");
  if (!viewer.LoadPicture(fullPath)) return;  // silently: the caption alone changed
  if (viewer.image().height > ws_.ScreenHeight() || viewer.image().width > ws_.ScreenWidth())
    viewer.ZoomOut(0, 0);
  viewer.Resize();
  viewer.window().SetLeft(ClampTwips(std::int64_t{window_->Left()} + window_->Width()));
  viewer.window().SetTop(window_->Top());
  viewer.ShowImage();
}

void Form1::ShowMultimedia(const std::string& fileName, const std::string& fullPath) {
  Form3& player = form3();
  player.window().SetCaption(fileName);
  player.window().SetWidth(window_->Width());
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
  if (window_->MenuChecked(menu::mnuAutoPlay)) control.SetCommand("Play");
}

// Under the main window, left edges aligned.
void Form1::DockPlayer() {
  if (!form3_ || form3_->unloaded()) return;
  form3_->window().SetLeft(window_->Left());
  form3_->window().SetTop(ClampTwips(std::int64_t{window_->Top()} + window_->Height()));
}

void Form1::HidePictureViewer() {
  if (form2_ && !form2_->unloaded()) form2_->window().Hide();
}

// Hidden, the player plays on.
void Form1::HidePlayer(bool evenPlaying) {
  if (form3_ && !form3_->unloaded() && (evenPlaying || !form3_->Playing())) form3_->window().Hide();
}

}  // namespace vantiro
