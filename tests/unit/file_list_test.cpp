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
  drives.MakeFolders("c:\\web");
  drives.MakeFolders("c:\\plain");
  drives.MakeFile("c:\\web\\a.html", "<title>A</title>");
  drives.MakeFile("c:\\web\\b.html", "<title>B</title>");
  drives.MakeFile("c:\\plain\\notes.txt");
  Start();
  Click(0, "c:");
  Click(1, "web");
  EXPECT_TRUE(html().Visible() && titles().Visible());
  EXPECT_EQ(html().Left(), main().Left() + main().Width());
  EXPECT_EQ(html().Top(), main().Top());
  EXPECT_EQ(titles().Height(), fake::kListBorder * 2 + 2 * fake::kRowHeight)
      << "(2 + 1) rows asked, whole rows kept";
  EXPECT_EQ(html().ClientHeight(), titles().Height());
  EXPECT_EQ(html().ClientWidth(), 2 * 1800);
  EXPECT_EQ(titles().backColor(), 0x80000014u);

  for (int i = 0; i < 100; ++i) drives.MakeFile("c:\\web\\p" + std::to_string(i) + ".html");
  Click(1, "web");
  EXPECT_LE(titles().Height(), main().ClientHeight());

  Click(1, "plain");
  EXPECT_FALSE(html().Visible()) << "no HTML files";
  EXPECT_EQ(titles().Count(), 0);

  Click(1, "web");
  main().ChooseMenu("mnuRememberPath");
  main().ChooseMenu("mnuRefresh");
  EXPECT_FALSE(html().Visible()) << "a refresh that opens nothing again leaves no titles";
}

TEST_F(FileList, AFolderWithoutMatchesEmptiesTheListButKeepsItsFolder) {
  drives.MakeFolders("c:\\full");
  drives.MakeFolders("c:\\none");
  drives.MakeFile("c:\\full\\page.html", "<title>T</title>");
  Start();
  Click(0, "c:");
  Click(1, "full");
  Click(1, "none");
  EXPECT_EQ(files().Count(), 0);
  EXPECT_EQ(titles().Count(), 0);
  EXPECT_EQ(form->FilesTag, "c:\\full\\");
  EXPECT_EQ(main().Width(), fake::kFrameWidth + 1200 + 1800);
}

TEST_F(FileList, UnreadableAndStrangeFilesStillGetTheirLines) {
  drives.MakeFolders("c:\\odd");
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

TEST_F(FileList, NotReadyDriveOffersRetryAndCancel) {
  drives.AddNotReadyDrive('a');
  Start();
  ws.msgBoxAnswers = {msgbox::kRetry, msgbox::kCancel};
  Click(0, "a:");
  ASSERT_EQ(ws.messages.size(), 2u) << "asked again after Retry";
  EXPECT_EQ(ws.messages[0].text,
            "Unable to open 'a:\\'\rThe selected drive or folder is not ready. Do you want to "
            "retry ?");
  EXPECT_EQ(ws.messages[0].style, msgbox::kRetryCancel | msgbox::kExclamation);
  EXPECT_EQ(ws.messages[0].title, "Vantiro! v2.10");
  EXPECT_EQ(form->LastBox, 0);
  EXPECT_EQ(box(0).Items(), (Entries{"a:", "c:", "z:", ""})) << "a drive is never removed";
  EXPECT_EQ(main().Caption(), "Vantiro!");
}

TEST_F(FileList, RetryOpensTheDriveOnceItIsReady) {
  drives.AddNotReadyDrive('a');
  Start();
  ws.onMessage = [this] {  // the user inserts a disk, then chooses Retry
    drives.AddDrive('a');
    drives.MakeFolders("a:\\docs");
  };
  ws.msgBoxAnswers = {msgbox::kRetry};
  Click(0, "a:");
  EXPECT_EQ(ws.messages.size(), 1u);
  EXPECT_EQ(form->LastBox, 1);
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
  EXPECT_TRUE(main().MenuVisible("mnuDirFunctions")) << "the window goes on";
  EXPECT_EQ(form->LastBox, 2);
}

TEST_F(FileList, RowUnderTheMouse) {
  for (int i = 0; i < 30; ++i) drives.MakeFile("c:\\file" + std::to_string(100 + i) + ".txt");
  Start();
  Click(0, "c:");
  const Twips row = fake::kRowHeight;  // 13 pixels
  Press(kLeftButton, 2 * row + 10);
  EXPECT_EQ(files().Selected(), 2);
  EXPECT_TRUE(main().MenuVisible("mnuFileFunctions"));

  files().setTopIndex(10);  // scrolled
  Press(kLeftButton, 2 * row + 10);
  EXPECT_EQ(files().Selected(), 12);

  Press(kRightButton, 3 * row);
  EXPECT_EQ(files().Selected(), 13);
  EXPECT_EQ(main().popups().back(), "mnuFileFunctions");

  Press(kLeftButton, 40 * row);  // below the last entry
  EXPECT_EQ(files().Selected(), -1);
  EXPECT_FALSE(main().MenuVisible("mnuFileFunctions"));
  Press(kRightButton, 40 * row);
  EXPECT_EQ(main().popups().back(), "mnuDirFunctions");
}

TEST_F(FileList, DraggingFromBelowTheEntriesMovesTheWindow) {
  drives.MakeFile("c:\\only.txt");
  Start();
  Click(0, "c:");
  files().Move({kLeftButton, 0, 10, 10});
  EXPECT_EQ(main().captionDrags(), 1);
  files().Move({0, 0, 10, 10});
  EXPECT_EQ(main().captionDrags(), 1) << "no button held";
}

TEST_F(FileList, APressOnAFileStartsItsDragWithTheCopyCursor) {
  drives.MakeFile("c:\\photo.jpg");
  Start();
  Click(0, "c:");
  Press(kRightButton, 5);
  EXPECT_EQ(files().drags(), 0) << "the right button pops up a menu instead";
  Press(kLeftButton, 10 * fake::kRowHeight);
  EXPECT_EQ(files().drags(), 0) << "nothing to drag below the entries";
  Press(kLeftButton, 5);
  EXPECT_EQ(files().drags(), 1);
  EXPECT_EQ(files().dragCursor(), DragCursor::Copy);
  files().DragOver(files());
  EXPECT_EQ(files().dragCursor(), DragCursor::Arrow) << "no drop on the file list itself";
}

TEST_F(FileList, ShellDropsCopyTheFirstFileIntoTheCurrentFolder) {
  drives.MakeFolders("c:\\target");
  drives.MakeFolders("z:\\from");
  drives.MakeFile("z:\\from\\first & %1.txt", "one");
  drives.MakeFile("z:\\from\\second.txt", "two");
  Start();
  EXPECT_TRUE(files().acceptsShellDrops());
  EXPECT_EQ(files().ShellDragOver(true, 7), kDropCopy) << "copy only";
  EXPECT_EQ(files().ShellDragOver(false, 7), kDropNone) << "no file list offered";
  files().ShellDrop({"z:\\from\\first & %1.txt"});
  EXPECT_EQ(ws.messages.back().text, "Invalid file.") << "no folder open yet";

  Click(0, "c:");
  Click(1, "target");
  ws.msgBoxAnswers = {msgbox::kYes};
  files().ShellDrop({"z:\\from\\first & %1.txt", "z:\\from\\second.txt"});
  EXPECT_EQ(ws.messages.back().title, "Confirm ?");
  EXPECT_EQ(ws.messages.back().text,
            "Source file :   z:\\from\\first & %1.txt\rDestination folder :   c:\\target\\\r\rDo "
            "you want to continue ?");
  EXPECT_EQ(ws.messages.back().style, msgbox::kYesNo | msgbox::kQuestion);
  ASSERT_EQ(drives.shellOperations.size(), 1u) << "only the first file";
  EXPECT_EQ(drives.shellOperations[0].func, 2u);
  EXPECT_EQ(drives.shellOperations[0].flags, 0x180u);
  EXPECT_EQ(drives.shellOperations[0].to, "c:\\target\\");
  EXPECT_TRUE(std::filesystem::exists(drives.HostPath("c:\\target\\first & %1.txt")));
  EXPECT_EQ(files().Items(), (Entries{"first & %1.txt"}))
      << "the view was rebuilt from the disk, the folder open again";
}

TEST_F(FileList, CopyTellsWhenTheUserDeclinedAStep) {
  drives.MakeFolders("c:\\target");
  drives.MakeFile("c:\\target\\same.txt");
  drives.MakeFile("z:\\same.txt");
  Start();
  ws.msgBoxAnswers = {msgbox::kNo};
  form->CopyFile("z:\\same.txt", "c:\\target\\");
  EXPECT_TRUE(drives.shellOperations.empty()) << "No: nothing is copied";
  ws.msgBoxAnswers = {msgbox::kYes};
  form->CopyFile("z:\\same.txt", "c:\\target\\");
  EXPECT_EQ(ws.messages.back().text, "Operation Failed");
  EXPECT_EQ(ws.messages.back().style, msgbox::kOkOnly);
  const std::size_t shown = ws.messages.size();
  ws.msgBoxAnswers = {msgbox::kYes};
  form->CopyFile("z:\\missing.txt", "c:\\target\\");
  EXPECT_EQ(ws.messages.size(), shown + 1) << "a failing shell call adds no message of ours";
}

TEST_F(FileList, ATitleStandsForItsFileUnderTheMouse) {
  drives.MakeFile("c:\\b.htm", "<title>B</title>");
  drives.MakeFile("c:\\a.html", "<title>A</title>");
  drives.MakeFile("c:\\notes.txt");
  Start();
  Click(0, "c:");
  titles().Press({kLeftButton, 0, 10, fake::kRowHeight + 5});
  EXPECT_EQ(files().Item(files().Selected()), files().Item(1));
  EXPECT_TRUE(main().MenuVisible("mnuFileFunctions"));
  titles().DoubleClick();
  EXPECT_EQ(drives.openedDocuments, std::vector<std::string>{"c:\\" + files().Item(1)});
  titles().Press({kRightButton, 0, 10, 9 * fake::kRowHeight});  // below the titles
  EXPECT_EQ(std::pair(titles().Selected(), files().Selected()), std::pair(-1, -1));
  EXPECT_EQ(main().popups().back(), "mnuFileFunctions") << "FILE is still in the menu bar";
}

}  // namespace
}  // namespace vantiro
