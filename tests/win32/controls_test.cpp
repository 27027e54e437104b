// Every kind of control and window crosses the adapter: made in twips,
// shown in pixels, and the system's messages raised as the program's events.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <memory>

#include "platform/user_control.h"
#include "win32/media_player_control.h"
#include "win32/picture_check.h"
#include "win32_test_support.h"

namespace vantiro::win32::testing {
namespace {

using Texts = std::vector<std::string>;

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
  EXPECT_FALSE(picture->LoadPicture("missing.bmp") || picture->PictureWidth() > 0);
  EXPECT_EQ(picture->Width(), 6000) << "no picture: the size stays";
  ASSERT_TRUE(picture->LoadPicture("red.bmp"));  // 4 x 2 pixels
  EXPECT_EQ(std::tuple(picture->PictureWidth(), picture->PictureHeight(), picture->Width(),
                       picture->Height()),
            std::tuple(60, 30, 60, 30));
  picture->SetStretch(true);
  picture->Move(0, 0, 1200, 600);
  window->Show();
  picture->SetVisible(true);
  UpdateWindow(HandleOf(*picture));
  HDC dc = GetDC(HandleOf(*picture));
  EXPECT_EQ((std::vector{GetPixel(dc, 5, 5), GetPixel(dc, 70, 30)}),
            (std::vector{RGB(0, 255, 0), RGB(255, 0, 0)}))
      << "the program paints over the stretched picture";
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
      {"multi.ico", true, 480, 480}};  // the size of the system's icons
  for (const auto& [file, loads, width, height] : rows) {
    const bool loaded = picture->LoadPicture(std::string("pictures/") + file);
    EXPECT_EQ(std::tuple(loaded, picture->PictureWidth(), picture->PictureHeight()),
              std::tuple(loads, width, height))
        << file;
    UpdateWindow(HandleOf(*picture));
  }
}

// Before a picture is decoded, its header is held against the file: a GIF
// needs pixels in its screen and its first image, a plain bitmap needs its
// file to hold every row (three bytes a pixel, rows of four bytes).
TEST(PictureCheckTest, OnlyPicturesWhoseFileHoldsThemAreDecoded) {
  const auto gif = [](char screenWidth, char imageWidth) {
    return std::string("GIF89a") + screenWidth + std::string("\0\0\1\0\0\0\x2C\0\0\0\0", 11) +
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
  for (const auto& [file, worth] : rows) EXPECT_EQ(WorthDecoding(file), worth) << file.size();
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
  player->SetCommand("Play");
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
