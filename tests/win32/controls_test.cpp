// Every kind of control and window crosses the adapter: made in twips,
// shown in pixels, and the system's messages raised as the program's events.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>

#include <gmock/gmock.h>

#include "platform/user_control.h"
#include "win32/media_player_control.h"
#include "win32/picture_check.h"
#include "win32/wic_pictures.h"
#include "win32_test_support.h"

namespace vantiro::win32::testing {
namespace {

using Texts = std::vector<std::string>;

// A picture as a job decodes it, its pixels divided by divisor.
std::shared_ptr<const DecodedPicture> Decoded(const std::string& path, int divisor = 1) {
  static const Lifetime living;
  return std::static_pointer_cast<const DecodedPicture>(WicPictureDecoder({15, 15}).Decode(
      path, [divisor](Twips, Twips) { return divisor; }, living.ended()));
}

class ControlsTest : public AdapterTest {
 protected:
  LRESULT Send(Control& control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(HandleOf(control), message, wParam, lParam);
  }
  Texts events;
  std::function<void()> Note(std::string what) {
    return [this, what] { events.push_back(what); };
  }
  std::function<void(const KeyEvent&)> NoteKey() {
    return [this](const KeyEvent& key) { events.push_back("key " + std::to_string(key.keyCode)); };
  }
};

TEST_F(ControlsTest, PictureBoxesLoadAtNaturalSizeStretchAndHearTheMouseAndKeys) {
  PictureBox::Events on;
  on.mouseDown = [&](const MouseEvent& e) {
    events.push_back("down " + std::to_string(e.button) + " " + std::to_string(e.x) + " " +
                     std::to_string(e.y));
  };
  on.click = Note("click");
  on.keyDown = NoteKey();
  on.paint = [&](Canvas& canvas) { canvas.FillRect(0, 0, 150, 150, 0x0000FF00); };
  auto picture = window->CreatePictureBox(on);
  picture->Move(0, 0, 6000, 6000);
  picture->SetPicture(Decoded("missing.bmp"));
  EXPECT_EQ(std::pair(picture->PictureWidth(), picture->Width()), std::pair(0, 6000))
      << "no picture: the size stays";
  picture->SetPicture(Decoded("pictures/alpha.png"));  // 4 x 2, the right half clear
  EXPECT_EQ(std::tuple(picture->PictureWidth(), picture->PictureHeight(), picture->Width(),
                       picture->Height()),
            std::tuple(60, 30, 60, 30));
  picture->SetStretch(true);
  picture->Move(0, 0, 1200, 600);
  window->Show();
  picture->SetVisible(true);
  UpdateWindow(HandleOf(*picture));
  HDC dc = GetDC(HandleOf(*picture));
  EXPECT_EQ((std::vector{GetPixel(dc, 5, 5), GetPixel(dc, 30, 30), GetPixel(dc, 70, 30)}),
            (std::vector{RGB(0, 255, 0), RGB(255, 0, 0), GetSysColor(COLOR_BTNFACE)}))
      << "the program paints over the stretched picture, its back shows through";
  ReleaseDC(HandleOf(*picture), dc);
  Send(*picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 6));
  Send(*picture, WM_LBUTTONUP, 0, MAKELPARAM(4, 6));
  Send(*picture, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 2));
  Send(*picture, WM_KEYDOWN, VK_LEFT);
  EXPECT_EQ(events, (Texts{"down 1 60 90", "click", "down 2 15 30", "key 37"}));
}

// Damaged pictures load nothing; odd ones load their first or largest
// picture; none hangs or breaks the loader or the painting.
TEST_F(ControlsTest, PictureBoxesTakeOddPicturesOrNone) {
  auto picture = window->CreatePictureBox({});
  picture->SetVisible(true);
  window->Show();
  const std::tuple<const char*, bool, Twips, Twips> rows[] = {
      {"empty.bmp", false, 0, 0},   {"liar.bmp", false, 0, 0},  {"trunc.jpg", false, 0, 0},
      {"zero.gif", false, 0, 0},    {"plain.wmf", false, 0, 0}, {"anim.gif", true, 600, 450},
      {"multi.ico", true, 720, 720}};  // its largest image
  for (const auto& [file, loads, width, height] : rows) {
    picture->SetPicture(Decoded(std::string("pictures/") + file));
    EXPECT_EQ(
        std::tuple(picture->PictureWidth() > 0, picture->PictureWidth(), picture->PictureHeight()),
        std::tuple(loads, width, height))
        << file;
    UpdateWindow(HandleOf(*picture));
  }
}

// Each decodes upright to premultiplied BGRA at its own size over the
// divisor, rounded up: a PNG keeps its clear pixels, a photo turns as its
// camera says (a quarter turn: its left half on top), an icon shows its
// largest image, a PNG entry.
TEST(PictureDecoderTest, PicturesDecodeUprightAtTheSizeAsked) {
  EXPECT_THAT(WicPictureDecoder().Extensions(),
              ::testing::IsSupersetOf({".png", ".jpeg", ".jpg", ".tiff", ".ico", ".wmf", ".emf"}));
  // The file, the divisor, its own width in twips, the pixels, one of them.
  const std::tuple<const char*, int, Twips, SIZE, POINT, std::uint32_t> rows[] = {
      {"alpha.png", 1, 60, {4, 2}, {0, 1}, 0xFFFF0000},
      {"alpha.png", 1, 60, {4, 2}, {3, 0}, 0},
      {"turned.jpg", 1, 240, {16, 32}, {8, 4}, 0xFFFF0000},
      {"turned.jpg", 2, 240, {8, 16}, {4, 14}, 0xFF0000FF},
      {"turned8.jpg", 1, 240, {16, 32}, {8, 4}, 0xFF0000FF},  // the other way
      {"turned3.jpg", 1, 480, {32, 16}, {4, 8}, 0xFF0000FF},  // a half turn
      {"big.ico", 1, 3840, {256, 256}, {9, 9}, 0xFF00FF00},
      {"page.tif", 2, 45, {2, 3}, {1, 2}, 0xFF0000FF}};
  const auto alike = [](std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 32; shift += 8)
      if (std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) > 40) return false;
    return true;
  };
  std::ifstream original("pictures/turned.jpg", std::ios::binary);
  std::string photo(std::istreambuf_iterator<char>(original), {});
  for (const char orientation : {'\3', '\x08'}) {
    photo.at(30) = orientation;  // the value of its orientation tag
    std::ofstream("pictures/turned" + std::to_string(orientation) + ".jpg", std::ios::binary)
        << photo;
  }
  for (const auto& [file, divisor, width, pixels, at, color] : rows) {
    const auto picture = Decoded(std::string("pictures/") + file, divisor);
    ASSERT_TRUE(picture) << file;
    const std::uint32_t pixel =
        static_cast<const std::uint32_t*>(picture->Bits())[at.y * picture->Pixels().cx + at.x];
    EXPECT_EQ(std::tuple(picture->Width(), picture->Pixels().cx, picture->Pixels().cy,
                         picture->Divisor()),
              std::tuple(width, pixels.cx, pixels.cy, divisor))
        << file;
    EXPECT_TRUE(alike(pixel, color)) << file << std::hex << " " << pixel;
  }
}

// Before a picture is decoded, its header is held against the file: a GIF
// needs pixels in its screen and its first image, a plain bitmap needs its
// file to hold every row (three bytes a pixel, rows of four bytes).
TEST(PictureCheckTest, OnlyPicturesWhoseFileHoldsThemAreDecoded) {
  const auto gif = [](char screenWidth, char imageWidth) {
    return std::string("GIF89a") + screenWidth + std::string("\0\1\0\0\0\0\x2C\0\0\0\0", 11) +
           imageWidth + std::string("\0\1\0\0", 4);
  };
  const auto bmp = [](std::size_t pixelBytes) {
    std::string file = "BM" + std::string(32, '\0') + std::string(pixelBytes, '\xFF');
    file[10] = 34, file[18] = 2, file[22] = 2, file[28] = 24;  // 2 x 2 from byte 34
    return file;
  };
  const std::pair<std::string, bool> rows[] = {
      {gif(1, 1), true},
      {gif(0, 1), false},
      {gif(1, 0), false},
      {bmp(16), true},
      {bmp(15), false},
      {bmp(0).substr(0, 20), false},
      {gif(1, 1).substr(0, 13) + ";", false},  // the trailer, no image
      {"not a picture", true}};
  for (const auto& [file, worth] : rows)
    EXPECT_EQ(WorthDecoding(file, file.size()), worth) << file.size();
  EXPECT_TRUE(WorthDecoding(gif(1, 1).substr(0, 13), 1 << 20)) << "its image past the head";
  EXPECT_FALSE(WorthDecoding(bmp(16), 40)) << "a file shorter than its head says";
  EXPECT_TRUE(WorthDecoding(bmp(0), 1 << 20)) << "its pixels past the head";
}

// A photo's orientation is tag 274 of its first TIFF directory, in a JPEG's
// EXIF block (after any other block) or a TIFF's own, in either byte order.
TEST(PictureCheckTest, APhotosOrientationIsReadFromItsHead) {
  const std::string little = std::string("II*\0\x08\0\0\0\x02\0", 10) +
                             std::string("\x01\x01\x03\0\x01\0\0\0\x10\0\0\0", 12) +
                             std::string("\x12\x01\x03\0\x01\0\0\0\x06\0\0\0", 12);
  const std::string big = std::string("MM\0*\0\0\0\x08\0\x01", 10) +
                          std::string("\x01\x12\0\x03\0\0\0\x01\0\x08\0\0", 12);
  const std::string jfif = std::string("\xFF\xE0\0\x04\0\0", 6);
  const std::string exif = std::string(
                               "\xFF\xE1\0\x2A"
                               "Exif\0\0",
                               10) +
                           little;
  const std::pair<std::string, int> rows[] = {
      {little, 6},
      {big, 8},
      {"\xFF\xD8" + jfif + exif, 6},
      {"\xFF\xD8" + jfif, 0},
      {little.substr(0, 30), 0},             // the entry cut short
      {"\xFF\xD8\xFF\xDA\0\x02" + exif, 0},  // past the scan's start
      {"\xFF\xD8X" + exif.substr(1), 0}};    // no block where a marker is missing
  for (const auto& [head, orientation] : rows) EXPECT_EQ(ExifOrientation(head), orientation);
}

// A mono 8 kHz 8-bit wave file of silence; "bad.wav" holds text.
void WriteWave(const char* path, int seconds) {
  const std::uint32_t samples = 8000u * static_cast<std::uint32_t>(seconds);
  const auto word = [](std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
  };
  const std::string wave = "RIFF" + word(36 + samples, 4) + "WAVEfmt " + word(16, 4) + word(1, 2) +
                           word(1, 2) + word(8000, 4) + word(8000, 4) + word(1, 2) + word(8, 2) +
                           "data" + word(samples, 4) + std::string(samples, '\x80');
  std::ofstream(path, std::ios::binary) << wave;
}

// A scroll bar starts over the whole range of its values and moves by its
// changes, no further than its ends; Escape and Enter press a window's
// cancel and default buttons.
TEST_F(ControlsTest, ScrollBarsMoveByTheirChangesAndDialogKeysPressTheirButtons) {
  auto bar = window->CreateHScrollBar({.change = Note("change"), .scroll = {}});
  int low = -1, high = -1;
  GetScrollRange(HandleOf(*bar), SB_CTL, &low, &high);
  EXPECT_EQ(std::pair(low, high), std::pair(0, 32767));
  bar->SetRange(0, 10);
  bar->SetChanges(2, 5);
  std::vector<int> values;
  for (const WORD code : {SB_LINERIGHT, SB_PAGERIGHT, SB_RIGHT, SB_LINERIGHT, SB_LINELEFT}) {
    SendMessageW(hwnd(), WM_HSCROLL, code, reinterpret_cast<LPARAM>(HandleOf(*bar)));
    values.push_back(GetScrollPos(HandleOf(*bar), SB_CTL));
  }
  EXPECT_EQ(std::pair(values, bar->Value()), std::pair(std::vector{2, 7, 10, 10, 8}, 8));
  auto ok = window->CreateButton("OK", ButtonRole::Default, {Note("ok")});
  auto cancel = window->CreateButton("Cancel", ButtonRole::Cancel, {Note("cancel")});
  for (const WPARAM key : {VK_ESCAPE, VK_RETURN}) {
    PostMessageW(HandleOf(*ok), WM_KEYDOWN, key, 1);
    for (MSG msg{}; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchQueued(msg);
  }
  EXPECT_EQ(events, (Texts{"change", "change", "change", "change", "cancel", "ok"}))
      << "none at the end";
}

// The buttons follow the device: play while it stands, stop while it plays,
// none while nothing is open, also after a file that is no sound. The nine
// are Prev, Next, Play, Pause, Back, Step, Stop, Record and Eject; a sound
// has no frames to step through, and a sequencer cannot record.
TEST_F(ControlsTest, MediaPlayersFollowTheirDevicesMode) {
  WriteWave("tone.wav", 3);
  std::ofstream("bad.wav") << "not a sound";
  auto player = window->CreateMediaPlayer();
  auto& strip = static_cast<MediaPlayerControl&>(*player);
  const auto state = [&] {
    std::string enabled;
    for (int i = 0; i < MediaPlayerControl::kButtons; ++i)
      enabled +=
          IsWindowEnabled(strip.button(static_cast<MediaPlayerControl::Button>(i))) ? '1' : '0';
    return std::pair(player->Mode(), enabled);
  };
  player->SetDeviceType("WaveAudio");
  for (const char* file : {"bad.wav", "tone.wav"}) {
    player->SetFileName(file);
    player->SetWait(true);
    player->SetCommand("Open");
  }
  EXPECT_EQ(state(), std::pair(kModeStopped, std::string("111000010")));
  const HWND play = strip.button(MediaPlayerControl::Button::Play);
  SendMessageW(GetParent(play), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(play), BN_CLICKED),
               reinterpret_cast<LPARAM>(play));
  EXPECT_EQ(state(), std::pair(kModePlaying, std::string("110100100")))
      << "the null sound card plays";
  player->SetCommand("Close");
  EXPECT_EQ(state(), std::pair(kModeNotOpen, std::string("000000000")));
  player->SetFileName("bad.wav");
  player->SetCommand("Open");
  player->SetCommand("Play");
  EXPECT_EQ(state(), std::pair(kModeNotOpen, std::string("000000000")));
  // One note of MIDI, on the sequencer.
  std::ofstream("note.mid", std::ios::binary) << std::string(
      "MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\x0c\0\x90\x3c\x40\x60\x80\x3c\x40\0\xff\x2f\0", 34);
  player->SetDeviceType("Sequencer");
  player->SetFileName("note.mid");
  player->SetCommand("Open");
  player->SetCommand("Play");
  EXPECT_EQ(state(), std::pair(kModePlaying, std::string("110100100")));
}

}  // namespace
}  // namespace vantiro::win32::testing
