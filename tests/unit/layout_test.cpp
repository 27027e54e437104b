#include <string>
#include <vector>

#include "tests/unit/browser.h"

namespace vantiro {
namespace {

using fake::kFrameHeight;
using fake::kFrameWidth;

class Layout : public Browser {
 protected:
  // Opens a chain of folders, one box each: c:\a\b\...
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
  Click(1, "f0");  // box 3 stays loaded, out of sight
  ASSERT_EQ(form->LastBox, 2);
  ASSERT_EQ(form->LastLoadedBox, 3);
  files().SetLeft(2 * 1200 + 1800);

  main().UserResize(main().Width() + 1000, main().Height() + 1000);
  EXPECT_TRUE(WholeRows(box(0).Height()));
  EXPECT_EQ(main().ClientHeight(), box(0).Height()) << "the window snaps to whole rows";
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(box(i).Height(), box(0).Height()) << "box " << i;
  EXPECT_EQ(files().Height(), box(0).Height());
  EXPECT_EQ(files().Width(), 1000) << "the file list fills the room on the right";

  main().UserResize(kFrameWidth + 2000, main().Height());
  EXPECT_EQ(files().Width(), 1000) << "a file list beyond the right edge is left alone";
}

TEST_F(Layout, MinimisedOrMaximisedWindowIsNotLaidOut) {
  Start();
  const Twips height = box(0).Height();
  for (WindowState state : {WindowState::Minimized, WindowState::Maximized}) {
    main().setState(state);
    main().UserResize(main().Width(), main().Height() + 2000);
    EXPECT_EQ(box(0).Height(), height);
  }
}

struct AnimationRow {
  std::int16_t boxesWidth;
  std::int16_t activeBoxWidth;
  std::vector<Twips> ticks;  // the width of box 0 after each tick
};

class Animation : public Layout, public ::testing::WithParamInterface<AnimationRow> {};

TEST_P(Animation, FormerActiveBoxReturnsToBoxesWidthStepByStep) {
  const AnimationRow& row = GetParam();
  drives.MakeFolders("c:\\a");
  Start();
  form->BoxesWidth = row.boxesWidth;
  form->ActiveBoxWidth = row.activeBoxWidth;
  form->Refresh_All();
  main().ChooseMenu("mnuAnimation");
  Click(0, "c:");
  EXPECT_EQ(box(0).Width(), row.activeBoxWidth) << "the timer narrows it, not the click";
  EXPECT_EQ(box(1).Left(), row.boxesWidth);
  for (std::size_t i = 0; i < row.ticks.size(); ++i) {
    timer1().Elapse();
    EXPECT_EQ(box(0).Width(), row.ticks[i]) << "tick " << i + 1;
  }
  EXPECT_EQ(box(1).Width(), row.activeBoxWidth) << "the active box is never touched";
  EXPECT_TRUE(form->Timer1Enabled());
  EXPECT_FALSE(timer1().Enabled()) << "nothing left to move: the timer sleeps";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Animation,
    ::testing::Values(AnimationRow{1200, 1800, {1680, 1560, 1440, 1320, 1200}},
                      AnimationRow{2000, 1500, {1600, 1700, 1800, 1900, 2000}}));  // grows

TEST_F(Layout, StepOfZeroLeavesEveryWidthAndNeverWakesTheTimer) {
  drives.MakeFolders("c:\\a");
  Start();
  form->BoxesWidth = 1797;
  form->Refresh_All();
  main().ChooseMenu("mnuAnimation");
  Click(0, "c:");
  EXPECT_FALSE(timer1().Enabled());
  form->Timer1_Timer();
  EXPECT_EQ(box(0).Width(), 1800);
}

TEST_F(Layout, TimerWakesOnlyWhileABoxMoves) {
  drives.MakeFolders("c:\\a\\b");
  Start();
  EXPECT_EQ(timer1().intervalMs(), 50);
  EXPECT_TRUE(form->Timer1Enabled());
  EXPECT_FALSE(timer1().Enabled()) << "box 0 alone: nothing moves";
  main().ChooseMenu("mnuAnimation");
  Click(0, "c:");
  EXPECT_TRUE(timer1().Enabled());
  timer1().Elapse();
  Click(1, "a");  // box 0 still moving, box 1 starts too
  for (int i = 0; i < 4; ++i) timer1().Elapse();
  EXPECT_EQ(box(0).Width(), 1200);
  EXPECT_TRUE(timer1().Enabled()) << "box 1 has one step to go";
  timer1().Elapse();
  EXPECT_EQ(box(1).Width(), 1200);
  EXPECT_FALSE(timer1().Enabled());
}

TEST_F(Layout, MinKeepsCaptionAndMenuBarAndMaxRestoresTheNormalHeight) {
  drives.MakeFolders("c:\\a");
  Start();
  Click(0, "c:");
  const Twips normalHeight = main().Height();
  const Twips width = main().Width();
  EXPECT_EQ(main().BarCaptions(), (std::vector<std::string>{"File", "Help", "Min", "FOLDER"}));

  main().ChooseMenu("mnuReduce");
  EXPECT_TRUE(form->Reduced);
  EXPECT_EQ(form->NormalHeight, normalHeight);
  EXPECT_EQ(main().Height(), kFrameHeight);
  EXPECT_EQ(main().BarCaptions(), (std::vector<std::string>{"File", "Help", "Max", "FOLDER"}));
  ASSERT_FALSE(main().topMostCalls().empty());
  EXPECT_TRUE(main().topMostCalls().back()) << "a reduced window stays on top";

  main().ChooseMenu("mnuRestore");
  EXPECT_FALSE(form->Reduced);
  EXPECT_EQ(main().Height(), normalHeight);
  EXPECT_EQ(main().Width(), width);
  EXPECT_EQ(main().BarCaptions(), (std::vector<std::string>{"File", "Help", "Min", "FOLDER"}));
  EXPECT_FALSE(main().topMostCalls().back()) << "the option is off";
}

TEST_F(Layout, DraggingTheBorderOfAReducedWindowRestoresIt) {
  Start();
  const Twips normalHeight = main().Height();
  main().ChooseMenu("mnuReduce");
  main().UserResize(main().Width() + 300, main().Height() + 300);
  EXPECT_FALSE(form->Reduced);
  EXPECT_EQ(main().Height(), normalHeight);
  EXPECT_EQ(main().Width(), kFrameWidth + 1800) << "the layout, not the drag, sets the width";
  EXPECT_TRUE(main().MenuVisible("mnuReduce"));
  EXPECT_FALSE(main().MenuVisible("mnuRestore"));
}

// 40 levels need 48,000 twips of boxes, more than 16 bits and the screen.
TEST_F(Layout, DeepChainsKeepTheActiveBoxOnTheScreen) {
  Start();
  OpenChain(40);
  EXPECT_EQ(form->LastBox, 40);
  EXPECT_EQ(form->LastLoadedBox, 40);
  EXPECT_EQ(main().Width(), kFrameWidth + 40 * 1200 + 1800);
  EXPECT_EQ(box(40).Left(), 40 * 1200) << "no pile-up at a clamp";
  EXPECT_EQ(box(40).Count(), 1) << "the deepest box is filled";
  EXPECT_EQ(main().Left() + main().Width(), 1024 * 15) << "moved left just enough";

  main().SetLeft(0);  // the user moves the window back to reach box 24
  Click(24, "f23");
  EXPECT_EQ(form->LastBox, 25);
  EXPECT_EQ(main().Width(), kFrameWidth + 25 * 1200 + 1800);
  EXPECT_EQ(main().Left() + main().Width(), 1024 * 15) << "still too wide: left again";
  main().SetLeft(0);
  Click(1, "f0");
  EXPECT_EQ(main().Left(), 0) << "a window that fits stays where it is";
}

}  // namespace
}  // namespace vantiro
