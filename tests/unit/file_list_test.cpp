#include <filesystem>
#include <string>
#include <vector>

#include "tests/unit/browser.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;

class FileList : public Browser {
 protected:
  fake::FakeWindow& html() { return static_cast<fake::FakeWindow&>(form->frmHTML().window()); }
  fake::FakeListBox& titles() { return static_cast<fake::FakeListBox&>(form->frmHTML().List1()); }
  void Press(int button, Twips y) { files().Press({button, 0, 100, y}); }
};

TEST_F(FileList, HtmlWindowStandsFlushRightNoHigherThanTheMainWindow) {
  drives.MakeFolders("c:\\plain");
  drives.MakeFile("c:\\web\\a.html", "<title>A</title>");
  drives.MakeFile("c:\\web\\b.html", "<title>B</title>");
  Start();
  Click(0, "c:");
  Click(1, "web");
  EXPECT_TRUE(html().Visible() && titles().Visible());
  EXPECT_EQ(std::pair(html().Left(), html().Top()),
            std::pair(main().Left() + main().Width(), main().Top()));
  EXPECT_EQ(titles().Height(), fake::kListBorder * 2 + 2 * fake::kRowHeight)
      << "(2 + 1) rows asked, whole rows kept";
  EXPECT_EQ(std::pair(html().ClientWidth(), html().ClientHeight()),
            std::pair(2 * 1800, titles().Height()));

  for (int i = 0; i < 100; ++i) drives.MakeFile("c:\\web\\p" + std::to_string(i) + ".html");
  Click(1, "web");
  EXPECT_LE(titles().Height(), main().ClientHeight());
  Click(1, "plain");
  EXPECT_FALSE(html().Visible()) << "no HTML files";
  Click(1, "web");
  main().ChooseMenu("mnuRememberPath");
  main().ChooseMenu("mnuRefresh");
  EXPECT_FALSE(html().Visible()) << "a refresh that opens nothing again leaves no titles";
}

TEST_F(FileList, StrangeNamesAndAFolderNamedLikeAPageStillGetTheirLines) {
  drives.MakeFolders("c:\\odd\\folder.html");  // a folder, not a file: not listed
  drives.MakeFile("c:\\odd\\b & c %1 ^.html", "<title>Odd & Sods</title>");
  drives.MakeFile(
      "c:\\odd\\\xC3\xBC"
      "ber.htm",
      "<title>\xC3\x9C"
      "ber</title>");
  Start();
  Click(0, "c:");
  Click(1, "odd");
  EXPECT_EQ(files().Items(), (Entries{"\xC3\xBC"
                                      "ber.htm",
                                      "b & c %1 ^.html"}));
  EXPECT_EQ(titles().Items(), (Entries{"\xC3\x9C"
                                       "ber",
                                       "Odd & Sods"}));
}

TEST_F(FileList, ANotReadyDriveOffersRetryUntilItIsReadyOrCancelled) {
  drives.AddNotReadyDrive('a');
  Start();
  ws.msgBoxAnswers = {msgbox::kRetry, msgbox::kCancel};
  Click(0, "a:");
  ASSERT_EQ(ws.messages.size(), 2u) << "asked again after Retry";
  EXPECT_EQ(ws.messages[0].text,
            "Unable to open 'a:\\'\rThe selected drive or folder is not ready. Do you want to "
            "retry ?");
  EXPECT_EQ(std::pair(form->LastBox, box(0).Count()), std::pair(0, 4))
      << "a drive is never removed";

  ws.onMessage = [this] {  // the user inserts a disk, then chooses Retry
    drives.AddDrive('a');
    drives.MakeFolders("a:\\docs");
  };
  ws.msgBoxAnswers = {msgbox::kRetry};
  Click(0, "a:");
  EXPECT_EQ(box(1).Items(), (Entries{"docs"}));
  EXPECT_EQ(main().Caption(), "Vantiro! - a:");
}

TEST_F(FileList, AFolderThatVanishesBeforeItsFilesAreListedIsReported) {
  drives.MakeFolders("c:\\going\\sub");
  Start();
  Click(0, "c:");
  files().AddItem("stale.txt");
  drives.FailFileNames("c:\\going\\");
  Click(1, "going");
  ASSERT_EQ(ws.messages.size(), 1u);
  EXPECT_EQ(ws.messages[0].text, "Unable to list the files of 'c:\\going\\'.");
  EXPECT_EQ(files().Count(), 0) << "no stale entries under the new folder";
  EXPECT_EQ(form->LastBox, 2) << "the window goes on";
}

TEST_F(FileList, ThePressSelectsTheRowUnderTheMouseDragsTheFileOrMovesTheWindow) {
  for (int i = 0; i < 30; ++i) drives.MakeFile("c:\\file" + std::to_string(100 + i) + ".txt");
  Start();
  Click(0, "c:");
  const Twips row = fake::kRowHeight;
  files().setTopIndex(10);  // scrolled
  Press(kRightButton, 2 * row + 10);
  EXPECT_EQ(std::pair(files().Selected(), files().drags()), std::pair(12, 0));
  EXPECT_EQ(main().popups().back(), "mnuFileFunctions");
  Press(kLeftButton, 3 * row);
  EXPECT_EQ(std::pair(files().Selected(), files().drags()), std::pair(13, 1));
  files().DragOver(files());
  EXPECT_EQ(files().dragCursor(), DragCursor::Arrow) << "no drop on the file list itself";

  Press(kLeftButton, 40 * row);  // below the last entry
  EXPECT_EQ(std::pair(files().Selected(), files().drags()), std::pair(-1, 1));
  EXPECT_FALSE(main().MenuVisible("mnuFileFunctions"));
  files().Move({kLeftButton, 0, 10, 40 * row});
  EXPECT_EQ(main().captionDrags(), 1);
  files().Move({0, 0, 10, 40 * row});
  EXPECT_EQ(main().captionDrags(), 1) << "moved only while the button is held";
}

TEST_F(FileList, ShellDropsCopyTheFirstFileIntoTheCurrentFolder) {
  drives.MakeFolders("c:\\target");
  drives.MakeFile("z:\\first & %1.txt", "one");
  Start();
  EXPECT_TRUE(files().acceptsShellDrops());
  EXPECT_EQ(files().ShellDragOver(true, 7), kDropCopy) << "copy only";
  EXPECT_EQ(files().ShellDragOver(false, 7), kDropNone) << "no file list offered";
  files().ShellDrop({"z:\\first & %1.txt"});
  EXPECT_EQ(ws.messages.back().text, "Invalid file.") << "no folder open yet";

  Click(0, "c:");
  Click(1, "target");
  ws.msgBoxAnswers = {msgbox::kYes};
  files().ShellDrop({"z:\\first & %1.txt", "z:\\second.txt"});
  EXPECT_EQ(ws.messages.back().title, "Confirm ?");
  ASSERT_EQ(drives.shellOperations.size(), 1u) << "only the first file";
  EXPECT_EQ(drives.shellOperations[0].flags, 0x180u);
  EXPECT_EQ(files().Items(), (Entries{"first & %1.txt"})) << "the folder open again";
}

TEST_F(FileList, ATitleStandsForItsFileUnderTheMouse) {
  drives.MakeFile("c:\\b.htm", "<title>B</title>");
  drives.MakeFile("c:\\a.html", "<title>A</title>");
  Start();
  Click(0, "c:");
  titles().Press({kLeftButton, 0, 10, fake::kRowHeight + 5});
  titles().DoubleClick();
  EXPECT_EQ(drives.openedDocuments, std::vector<std::string>{"c:\\" + files().Item(1)});
  titles().Press({kRightButton, 0, 10, 9 * fake::kRowHeight});  // below the titles
  EXPECT_EQ(std::pair(titles().Selected(), files().Selected()), std::pair(-1, -1));
  EXPECT_EQ(main().popups().back(), "mnuFileFunctions") << "FILE is still in the menu bar";
}

}  // namespace
}  // namespace vantiro
