#include <filesystem>
#include <string>

#include "tests/unit/browser.h"

namespace vantiro {
namespace {

// c:\a\ holds the sub-folders a1 to a9 and the file f.txt; c:\b\ is empty.
class FolderMouse : public Browser {
 protected:
  FolderMouse() {
    for (int i = 1; i <= 9; ++i) drives.MakeFolders("c:\\a\\a" + std::to_string(i));
    drives.MakeFolders("c:\\b");
    drives.MakeFile("c:\\a\\f.txt");
    Start();
    Click(0, "c:");
    Click(1, "a");
  }
  void Press(int index, int button, int row) {
    box(index).Press({button, 0, 100, row * fake::kRowHeight + 5});
  }
};

TEST_F(FolderMouse, APressSelectsTheRowUnderThePointerOrStepsBackBelowTheEntries) {
  Press(2, kRightButton, 2);
  EXPECT_EQ(form->CurrentFolder, "c:\\a\\a3\\") << "opened by the selection";
  EXPECT_EQ(main().popups(), std::vector<std::string>{"mnuDirFunctions"});
  box(2).setTopIndex(4);  // scrolled
  Press(2, kLeftButton, 2);
  EXPECT_EQ(box(2).Selected(), 6);

  Press(2, kRightButton, 5);  // just below the last entry: box 1's folder again
  EXPECT_EQ(form->CurrentFolder, "c:\\a\\");
  EXPECT_EQ(box(2).Selected(), -1);
  EXPECT_EQ(main().popups().size(), 2u) << "FOLDER all the same";

  Press(1, kLeftButton, 20);  // below box 1's entries: box 0's folder again
  EXPECT_EQ(form->CurrentFolder, "c:\\");
  Press(0, kRightButton, 20);  // below box 0's entries: back to box 0 alone
  EXPECT_EQ(form->LastBox, 0);
  EXPECT_EQ(main().popups().size(), 2u) << "no menu for box 0 without a selection";
}

TEST_F(FolderMouse, TheEmptyPartOfABoxDragsTheWindow) {
  box(2).Move({kLeftButton, 0, 100, 8 * fake::kRowHeight + 5});  // the last entry
  box(2).Move({kRightButton, 0, 100, 9 * fake::kRowHeight + 5});
  EXPECT_EQ(main().captionDrags(), 0) << "over an entry, or not the left button alone";
  box(2).Move({kLeftButton, 0, 100, 9 * fake::kRowHeight + 5});
  EXPECT_EQ(main().captionDrags(), 1);
}

TEST_F(FolderMouse, AFileDroppedOnABoxIsCopiedIntoItsFolderButNotOnBoxZero) {
  files().UserClick(0);
  box(0).DragOver(files());
  EXPECT_EQ(files().dragCursor(), DragCursor::Arrow);
  box(1).DragOver(files());
  EXPECT_EQ(files().dragCursor(), DragCursor::Copy);
  box(0).DragDrop(files());
  EXPECT_TRUE(ws.messages.empty()) << "box 0 takes nothing";
  ws.msgBoxAnswers = {msgbox::kYes};
  box(1).DragDrop(files());
  EXPECT_EQ(ws.messages.back().title, "Confirm ?");
  EXPECT_EQ(drives.shellOperations.back().to, "c:\\");

  EXPECT_EQ(box(2).ShellDragOver(true, 7), kDropCopy);
  box(0).ShellDrop({"c:\\a\\f.txt", "c:\\b"});
  EXPECT_EQ(ws.messages.back().text,
            "You cannot copy anything here. Please select a drive and try again.");
  ws.msgBoxAnswers = {msgbox::kYes};
  box(1).ShellDrop({"c:\\a\\f.txt", "c:\\b"});
  EXPECT_EQ(drives.shellOperations.back().from, "c:\\a\\f.txt") << "the first file only";
}

}  // namespace
}  // namespace vantiro
