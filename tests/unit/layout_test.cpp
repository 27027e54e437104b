#include <string>
#include <vector>

#include "settings/size_colors.h"
#include "tests/unit/main_window.h"

namespace vantiro {
namespace {

using fake::kFrameHeight;
using fake::kFrameWidth;

class Layout : public MainWindowTest {
 protected:
  // Opens a chain of folders, one box each: c:\f0\f1\...
  void OpenChain(int depth) {
    std::string path = "c:";
    for (int i = 0; i < depth; ++i) path += "\\f" + std::to_string(i);
    drives.MakeFolders(path);
    Click(0, "c:");
    for (int i = 1; i < depth; ++i) Click(i, "f" + std::to_string(i - 1));
  }
};

TEST_F(Layout, UserSizingKeepsListsAsHighAsTheWindowAndStretchesTheFileList) {
  Start();
  OpenChain(3);
  Press(box(2), kLeftButton,
        20);  // below box 2's entries: f0 again; box 3 stays loaded, out of sight
  files().SetLeft(2 * 1200 + 1800);
  main().UserResize(main().Width() + 1000, main().Height() + 1000);
  EXPECT_EQ((box(0).Height() - 2 * fake::kListBorder) % fake::kRowHeight, 0) << "whole rows";
  EXPECT_EQ(main().ClientHeight(), box(0).Height()) << "the window snaps to whole rows";
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(box(i).Height(), box(0).Height()) << "box " << i;
  EXPECT_EQ(std::tuple(files().Top(), files().Width(), files().Height()),
            std::tuple(0, 1000, box(0).Height()));
}

TEST_F(Layout, FormerActiveBoxReturnsToBoxesWidthStepByStepWhileTheTimerWakes) {
  const struct {
    Twips boxesWidth, activeBoxWidth;
    std::vector<Twips> ticks;  // the width of box 0 after each tick
  } rows[] = {{1200, 1800, {1680, 1560, 1440, 1320, 1200}},
              {2100, 1500, {1620, 1740, 1860, 1980, 2100}},  // grows
              {1800, 1800, {}}};                             // a step of zero
  drives.MakeFolders("c:\\a");
  Start();
  main().ChooseMenu("mnuRememberPath");  // off: each new width starts from box 0 alone
  for (const auto& row : rows) {
    main().ChooseMenu("mnuSizeColors");  // OK applies the widths and refreshes
    Form4& dialog = *form->settings().form4();
    dialog.HScroll1().SetValue(row.boxesWidth / 15);
    dialog.HScroll2().SetValue(row.activeBoxWidth / 15);
    dialog.Check1().SetChecked(true);
    ws.msgBoxAnswers = {msgbox::kYes};
    dialog.Command1_Click();
    Click(0, "c:");
    EXPECT_EQ(box(1).Left(), row.boxesWidth);
    for (Twips width : row.ticks) {
      EXPECT_TRUE(timer1().Enabled());
      timer1().Elapse();
      EXPECT_EQ(box(0).Width(), width);
    }
    EXPECT_EQ(box(0).Width(), row.ticks.empty() ? row.activeBoxWidth : row.ticks.back());
    EXPECT_EQ(box(1).Width(), row.activeBoxWidth) << "the active box is never touched";
    EXPECT_FALSE(timer1().Enabled()) << "nothing left to move: the timer sleeps";
  }
}

TEST_F(Layout, MinKeepsCaptionAndMenuBarAndMaxRestoresTheNormalHeight) {
  Start();
  const Twips normalHeight = main().Height();
  main().ChooseMenu("mnuReduce");
  EXPECT_EQ(main().Height(), kFrameHeight);
  EXPECT_EQ(main().BarCaptions(), (std::vector<std::string>{"File", "Help", "Max"}));
  EXPECT_TRUE(main().topMostCalls().back()) << "a reduced window stays on top";
  main().ChooseMenu("mnuRestore");
  EXPECT_EQ(main().Height(), normalHeight);
  EXPECT_EQ(main().BarCaptions(), (std::vector<std::string>{"File", "Help", "Min"}));
  EXPECT_FALSE(main().topMostCalls().back()) << "the option is off";
  main().ChooseMenu("mnuTopMost");
  EXPECT_TRUE(main().topMostCalls().back());
  bool uncovered = false;
  std::pair<Twips, Twips> about;
  ws.onModal = [&](fake::FakeWindow& box) {
    uncovered = !main().topMostCalls().back();
    about = {box.Left(), box.Top()};
  };
  main().ChooseMenu("mnuAbout");
  EXPECT_TRUE(uncovered && main().topMostCalls().back()) << "nothing covers the about box";
  EXPECT_EQ(about, std::pair(800, 1200));

  main().ChooseMenu("mnuReduce");
  main().UserResize(main().Width() + 300, main().Height() + 300);
  EXPECT_EQ(main().Height(), normalHeight) << "dragging the border restores it";
  EXPECT_EQ(main().BarCaptions(), (std::vector<std::string>{"File", "Help", "Min"}));
}

}  // namespace
}  // namespace vantiro
