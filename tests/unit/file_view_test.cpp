// The file list and the HTML files window as the window shows them.
#include <string>
#include <vector>

#include "tests/unit/main_window.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;

class FileView : public MainWindowTest {
 protected:
  fake::FakeWindow& html() {
    return static_cast<fake::FakeWindow&>(form->previews().frmHTML().window());
  }
};

TEST_F(FileView, TheHtmlWindowStandsFlushRightNoHigherThanTheMainWindow) {
  drives.MakeFolders("c:\\plain");
  drives.MakeFile("c:\\web\\a.html", "<title>A</title>");
  drives.MakeFile("c:\\web\\b.html", "<title>B</title>");
  Start();
  Click(0, "c:");
  Click(1, "web");
  EXPECT_EQ(titles().Items(), (Entries{"B", "A"}));
  EXPECT_TRUE(html().Visible() && titles().Visible());
  EXPECT_EQ(std::pair(html().Left(), html().Top()),
            std::pair(main().Left() + main().Width(), main().Top()));
  EXPECT_EQ(titles().Height(), fake::kListBorder * 2 + 2 * fake::kRowHeight)
      << "(2 + 1) rows asked, whole rows kept";
  EXPECT_EQ(std::pair(html().ClientWidth(), html().ClientHeight()),
            std::pair(2 * 1800, titles().Height()));

  for (int i = 0; i < 100; ++i) drives.MakeFile("c:\\web\\p" + std::to_string(i) + ".html");
  Click(1, "plain");
  EXPECT_FALSE(html().Visible()) << "no HTML files";
  Click(1, "web");
  EXPECT_LE(titles().Height(), main().ClientHeight());
  main().ChooseMenu("mnuRememberPath");
  main().ChooseMenu("mnuRefresh");
  EXPECT_FALSE(html().Visible()) << "a refresh that opens nothing again leaves no titles";
}

TEST_F(FileView, ThePressSelectsTheRowUnderTheMouseDragsTheFileOrMovesTheWindow) {
  for (int i = 0; i < 30; ++i) drives.MakeFile("c:\\file" + std::to_string(100 + i) + ".txt");
  Start();
  Click(0, "c:");
  files().setTopIndex(10);  // scrolled
  Press(files(), kRightButton, 2);
  EXPECT_EQ(std::pair(files().Selected(), files().drags()), std::pair(12, 0));
  EXPECT_EQ(chain().SelectedFilePath(), "c:\\file112.txt");
  EXPECT_EQ(main().popups().back(), "mnuFileFunctions");
  Press(files(), kLeftButton, 3);
  EXPECT_EQ(std::pair(files().Selected(), files().drags()), std::pair(13, 1));
  files().DragOver(files());
  EXPECT_EQ(files().dragCursor(), DragCursor::Arrow) << "no drop on the file list itself";

  Press(files(), kLeftButton, 40);  // below the last entry
  EXPECT_EQ(std::pair(files().Selected(), files().drags()), std::pair(-1, 1));
  EXPECT_FALSE(main().MenuVisible("mnuFileFunctions"));
  files().Move({kLeftButton, 0, 10, 40 * fake::kRowHeight});
  EXPECT_EQ(main().captionDrags(), 1);
  files().Move({0, 0, 10, 40 * fake::kRowHeight});
  EXPECT_EQ(main().captionDrags(), 1) << "moved only while the button is held";
}

TEST_F(FileView, ShellDropsCopyTheFirstFileIntoTheCurrentFolder) {
  drives.MakeFolders("c:\\target");
  drives.MakeFile("z:\\first & %1.txt", "one");
  Start();
  EXPECT_TRUE(files().acceptsShellDrops());
  EXPECT_EQ(files().ShellDragOver(true, 7), kDropCopy) << "copy only";
  EXPECT_EQ(files().ShellDragOver(false, 7), kDropNone) << "no file list offered";
  files().ShellDrop({"z:\\first & %1.txt"});
  EXPECT_EQ(said(), "Invalid file.") << "no folder open yet";

  Click(0, "c:");
  Click(1, "target");
  ws.msgBoxAnswers = {msgbox::kYes};
  files().ShellDrop({"z:\\first & %1.txt", "z:\\second.txt"});
  EXPECT_EQ(ws.messages.back().title, "Confirm ?");
  ASSERT_EQ(drives.shellOperations.size(), 1u) << "only the first file";
  EXPECT_EQ(drives.shellOperations[0].flags, 0x180u);
  EXPECT_EQ(files().Items(), (Entries{"first & %1.txt"})) << "the folder open again";
}

TEST_F(FileView, ATitleStandsForItsFileUnderTheMouse) {
  drives.MakeFile("c:\\b.htm", "<title>B</title>");
  drives.MakeFile("c:\\a.html", "<title>A</title>");
  Start();
  Click(0, "c:");
  Press(titles(), kLeftButton, 1);
  titles().DoubleClick();
  EXPECT_EQ(drives.openedDocuments, std::vector<std::string>{"c:\\a.html"});
  Press(titles(), kRightButton, 9);  // below the titles
  EXPECT_EQ(std::pair(titles().Selected(), files().Selected()), std::pair(-1, -1));
  EXPECT_EQ(main().popups().back(), "mnuFileFunctions") << "FILE is still in the menu bar";
}

}  // namespace
}  // namespace vantiro
