#include <string>
#include <vector>

#include "tests/unit/main_window.h"

namespace vantiro {
namespace {

using Log = std::vector<std::string>;

// The screen is 15360 x 11520 twips; the folder c:\p holds the files.
class PreviewsTest : public MainWindowTest {
 protected:
  void Open(std::vector<std::pair<std::string, std::pair<Twips, Twips>>> pictures,
            std::vector<std::string> others = {}) {
    drives.MakeFolders("c:\\p");
    for (const auto& [name, size] : pictures) {
      drives.MakeFile("c:\\p\\" + name);
      ws.world.pictures["c:\\p\\" + name] = size;
    }
    for (const auto& name : others) drives.MakeFile("c:\\p\\" + name);
    Start();
    Click(0, "c:");
    Click(1, "p");
  }
  fake::FakeWindow& viewer() {
    return static_cast<fake::FakeWindow&>(form->previews().form2().window());
  }
  fake::FakePictureBox& image() {
    return static_cast<fake::FakePictureBox&>(form->previews().form2().Image1());
  }
  fake::FakeWindow& player() {
    return static_cast<fake::FakeWindow&>(form->previews().form3().window());
  }
  fake::FakeMediaPlayer& strip() {
    return static_cast<fake::FakeMediaPlayer&>(form->previews().form3().MMControl1());
  }
  // Left, top, width, height of the picture, then the viewer's client size.
  std::vector<Twips> Geometry() {
    return {image().Left(),   image().Top(),          image().Width(),
            image().Height(), viewer().ClientWidth(), viewer().ClientHeight()};
  }
  void Press(int button, Twips x, Twips y) { image().events.mouseDown({button, 0, x, y}); }
  void Key(int code) { image().events.keyDown({code, 0}); }
};

// Any other file shows beside the window its size and, for text, its first
// lines, the keys staying with the file list; pictures and pages do not, nor
// anything once the option is off.
TEST_F(PreviewsTest, OtherFilesShowTheirDetailsBesideTheWindow) {
  Open({{"a.gif", {1500, 1200}}}, {"notes.txt", "data.bin", "page.htm"});
  drives.MakeFile("c:\\p\\notes.txt", "one\r\ntwo");
  drives.MakeFile("c:\\p\\data.bin", std::string("\0\1", 2));
  FrmDetails& details = form->previews().frmDetails();
  const auto shown = [&] {
    return Log{details.window().Caption(), details.lblSize().Caption(),
               details.txtLines().Visible() ? details.txtLines().Caption() : "no text"};
  };
  ClickFile("notes.txt");
  EXPECT_EQ(shown(), (Log{"notes.txt", "8 bytes", "one\ntwo\n"}));
  EXPECT_EQ(details.window().Left(), main().Left() + main().Width());
  EXPECT_LT(details.lblSize().Left() + details.lblSize().Width(), details.window().ClientWidth());
  EXPECT_EQ(ws.world.focus, &files());
  ClickFile("data.bin");
  EXPECT_EQ(shown(), (Log{"data.bin", "2 bytes", "no text"}));
  for (const char* other : {"a.gif", "page.htm"}) {
    ClickFile(other);
    EXPECT_FALSE(details.window().Visible()) << other;
  }
  main().ChooseMenu("mnuFileDetails");
  ClickFile("notes.txt");
  EXPECT_FALSE(details.window().Visible());
}

TEST_F(PreviewsTest, PicturesStandBesideTheWindowSoundsPlayUnderItAndAPlayingSoundStays) {
  Open({{"a.gif", {1500, 1200}}, {"PHOTO.JPG", {300, 300}}},
       {"photo.jpeg", "song.wav", "clip.avi", "readme.txt", "bad.bmp"});
  main().ChooseMenu("mnuAutoPlay");
  ClickFile("a.gif");
  EXPECT_EQ(Geometry(), (std::vector<Twips>{0, 0, 1500, 1200, 1500, 1200}));
  EXPECT_EQ(ws.world.focus, &files()) << "the keys stay with the file list";
  EXPECT_EQ(std::pair(viewer().Left(), viewer().Top()),
            std::pair(main().Left() + main().Width(), main().Top()));
  ClickFile("bad.bmp");  // not decoded: its details stand in its place
  EXPECT_FALSE(viewer().Visible());
  EXPECT_EQ(form->previews().frmDetails().window().Caption(), "bad.bmp");
  ws.world.focus = nullptr;
  ClickFile("song.wav");
  EXPECT_EQ(ws.world.focus, &files()) << "a sound leaves the keys with the file list";
  EXPECT_FALSE(viewer().Visible());
  EXPECT_EQ(strip().log, (Log{"no Notify", "Wait", "not Shareable", "DeviceType WaveAudio",
                              "FileName c:\\p\\song.wav", "Open", "Play"}));
  EXPECT_EQ(std::pair(player().Top(), player().Width()),
            std::pair(main().Top() + main().Height(), main().Width()));
  EXPECT_EQ(std::pair(strip().Width(), strip().Height()),
            std::pair(player().ClientWidth(), player().ClientHeight()))
      << "the strip fills the player";
  ClickFile("readme.txt");
  Click(1, "p");
  EXPECT_TRUE(player().Visible()) << "playing on";
  strip().EndSound();
  strip().log.clear();
  main().ChooseMenu("mnuAutoPlay");  // off
  ClickFile("clip.avi");
  EXPECT_EQ(strip().log, (Log{"Close", "no Notify", "Wait", "not Shareable", "DeviceType AVIVideo",
                              "FileName c:\\p\\clip.avi", "Open"}))
      << "no autoplay";
  ClickFile("PHOTO.JPG");
  EXPECT_TRUE(image().Visible());
  EXPECT_FALSE(player().Visible());
  main().ChooseMenu("mnuFileDetails");  // off: a picture not decoded changes the caption alone
  ClickFile("bad.bmp");
  EXPECT_TRUE(viewer().Visible() && !image().Visible());
  EXPECT_EQ(viewer().Caption(), "bad.bmp ");
}

// Pictures decode one at a time at the size they fit the work area, halved
// as often as it takes; of two clicks in a row only the last shows, and a
// zoom decodes again where it needs finer pixels.
TEST_F(PreviewsTest, APictureDecodesAtTheSizeItIsShown) {
  Open({{"huge.png", {61080, 20000}}, {"a.gif", {1500, 1200}}});
  for (int row : {1, 0, 1, 0}) files().UserClick(row);  // huge.png, a.gif...
  Settle();
  EXPECT_EQ(viewer().Caption(), "a.gif ");
  EXPECT_EQ(ws.decoded, (std::vector<std::pair<std::string, int>>{{"c:\\p\\a.gif", 1}}))
      << "those superseded stop before decoding";
  ClickFile("huge.png");  // a room of 15270 twips takes a quarter
  EXPECT_EQ(viewer().Caption(), "huge.png  x0.5 x0.5");
  EXPECT_EQ(std::pair(image().Width(), image().Divisor()), std::pair(15270, 4));
  Press(kLeftButton, 0, 0);
  Settle();
  EXPECT_EQ(std::pair(image().Width(), image().Divisor()), std::pair(30540, 2));
  EXPECT_EQ(ws.decoded.back(), std::pair(std::string("c:\\p\\huge.png"), 2));
  Press(kRightButton, 0, 0);
  Settle();
  EXPECT_EQ(image().Divisor(), 2) << "halving needs no new pixels";
}

// Halved on load, the picture doubles past the screen: the clicked column
// stays under the mouse, the row is brought in so that the window ends at the
// screen's bottom; the keys scroll by 450 twips, Up and Left no further than
// the edge. Past the screen both ways it doubles no more.
TEST_F(PreviewsTest, ABigPictureZoomsAroundThePointAndScrollsWithTheKeys) {
  Open({{"big.bmp", {20000, 15000}}});
  ClickFile("big.bmp");
  EXPECT_EQ(viewer().Caption(), "big.bmp  x0.5");
  viewer().SetLeft(0);
  viewer().SetTop(0);
  Press(kLeftButton, 3000, 6000);
  EXPECT_TRUE(image().Visible());
  EXPECT_EQ(Geometry(), (std::vector<Twips>{-3000, -4080, 20000, 15000, 17000, 10920}));
  EXPECT_EQ(viewer().Top() + viewer().Height(), ws.ScreenHeight());
  EXPECT_EQ(viewer().Caption(), "big.bmp ");
  for (int code : {38, 38, 37, 40, 39}) Key(code);  // Right: past the outer edge
  EXPECT_EQ(Geometry(), (std::vector<Twips>{-3000, -3630, 20000, 15000, 17000, 10920}));
  for (int i = 0; i < 9; ++i) Key(38);
  EXPECT_EQ(image().Top(), 0);
  Press(kLeftButton, 100, 100);
  EXPECT_EQ(image().Width(), 20000);
  EXPECT_EQ(viewer().Caption(), "big.bmp ");
  Press(kRightButton, 100, 100);  // back within the screen: no offset left
  EXPECT_TRUE(image().Visible() && image().Stretch());
  EXPECT_EQ((std::vector<Twips>{image().Left(), image().Top(), image().Width()}),
            (std::vector<Twips>{0, 0, 10000}));
}

// A panorama keeps doubling one way until it cannot be drawn: the viewer
// says so and closes.
TEST_F(PreviewsTest, AZoomThatCannotBeDrawnClosesTheViewer) {
  Open({{"wide.gif", {15000, 150}}});
  ClickFile("wide.gif");
  for (int i = 0; i < 10 && ws.messages.empty(); ++i) Press(kLeftButton, 0, 0);
  EXPECT_EQ(ws.messages.at(0).text, "Unable to zoom.");
  EXPECT_FALSE(viewer().Visible());
}

}  // namespace
}  // namespace vantiro
