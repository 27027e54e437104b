// The folder boxes as the window shows them: what a click, a press, a drag
// or a drop on a box does, and what the user is told.
#include <gmock/gmock.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/unit/main_window.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;

// c:\a\ holds the sub-folders a1 to a9 and the file f.txt; c:\b\ is empty.
class FolderView : public MainWindowTest {
 protected:
  FolderView() {
    for (int i = 1; i <= 9; ++i) drives.MakeFolders("c:\\a\\a" + std::to_string(i));
    drives.MakeFolders("c:\\b");
    drives.MakeFile("c:\\a\\f.txt");
  }
  void OpenA() {
    Start();
    Click(0, "c:");
    Click(1, "a");
  }
};

// F5 opens the saved chain again; meanwhile the window keeps its width.
TEST_F(FolderView, RefreshKeepsTheWidthUntilTheChainIsOpenAgain) {
  OpenA();
  const Twips wide = main().Width();
  std::filesystem::remove_all(drives.HostPath("c:\\a"));
  main().ChooseMenu("mnuRefresh");
  EXPECT_EQ(main().Width(), wide);
  Settle();
  EXPECT_EQ(main().Width(), fake::kFrameWidth + 1200 + 1800) << "c:\\ alone, without a";
}

TEST_F(FolderView, TheSeparatorAndRefreshStartAgainFromBoxZero) {
  OpenA();
  Click(2, "a1");
  Click(0, "");
  EXPECT_EQ(std::pair(chain().LastBox(), form->browser().lists().DirCount()), std::pair(0, 3));
  EXPECT_TRUE(box(0).Visible());
  EXPECT_FALSE(box(1).Visible() || box(2).Visible()) << "kept for reuse, out of sight";
  EXPECT_EQ(box(2).Items(), (Entries{"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9"}));
  EXPECT_EQ(main().Caption(), "Vantiro!");
  EXPECT_EQ(chain().CurrentFolder(), "c:\\a\\a1\\") << "the current folder is kept";

  Click(0, "c:");
  drives.AddDrive('d');
  main().ChooseMenu("mnuRememberPath");  // off: the refresh opens nothing again
  main().ChooseMenu("mnuRefresh");
  Settle();
  EXPECT_EQ(form->browser().lists().DirCount(), 1);
  EXPECT_EQ(main().listBoxes().size(), 2u) << "the file list and a new box 0";
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "d:", "z:", ""})) << "re-read from the disk";
  EXPECT_TRUE(box(0).Visible());
  EXPECT_EQ(main().Width(), fake::kFrameWidth + 1800);
  EXPECT_EQ(main().ClientHeight(), box(0).Height());
}

TEST_F(FolderView, HorizontalExtentIsTheWidestEntryInTwipsOver14) {
  drives.MakeFolders("c:\\wide");
  ws.textWidths = {{"f.txt", 2800}, {"a", 700}};
  Start();
  // 1400 / 14 = 100 pixels of 15 twips; halves round to even: 100.5 -> 100, 101.5 -> 102.
  for (auto [wide, extent] : {std::pair{1400, 1500}, {1407, 1500}, {1421, 1530}}) {
    ws.textWidths["wide"] = wide;
    Click(0, "");
    Click(0, "c:");
    EXPECT_EQ(box(1).horizontalExtent(), extent) << wide;
  }
  Click(1, "a");
  EXPECT_EQ(files().horizontalExtent(), 3000) << "the file list too";
  ws.textWidths["c:\\a\\"] = 2800;
  main().ChooseMenu("mnuAdd");
  EXPECT_EQ(box(0).horizontalExtent(), 3000) << "box 0 with a new favourite";
}

TEST_F(FolderView, APressSelectsTheRowUnderThePointerOrStepsBackBelowTheEntries) {
  OpenA();
  Press(box(2), kRightButton, 2);
  EXPECT_EQ(chain().CurrentFolder(), "c:\\a\\a3\\") << "opened by the selection";
  EXPECT_EQ(main().popups(), std::vector<std::string>{"mnuDirFunctions"});
  EXPECT_TRUE(main().MenuVisible("mnuDirFunctions") && !main().MenuVisible("mnuFileFunctions"));
  box(2).UserScroll(4);  // scrolled
  Press(box(2), kLeftButton, 2);
  EXPECT_EQ(std::pair(box(2).Selected(), chain().box(2).selected), std::pair(6, 6));

  Press(box(2), kRightButton, 5);  // just below the last entry: box 1's folder again
  EXPECT_EQ(chain().CurrentFolder(), "c:\\a\\");
  EXPECT_EQ(box(2).Selected(), -1);
  EXPECT_EQ(main().popups().size(), 2u) << "FOLDER all the same";
  box(2).Move({kLeftButton, 0, 100, 8 * fake::kRowHeight + 5});  // dragged on the last entry
  box(2).Move({kLeftButton, 0, 100, 9 * fake::kRowHeight + 5});  // below it: the window moves
  EXPECT_EQ(main().captionDrags, 1);

  Press(box(1), kLeftButton, 20);  // below box 1's entries: box 0's folder again
  EXPECT_EQ(chain().CurrentFolder(), "c:\\");
  Press(box(0), kRightButton, 20);  // below box 0's entries: back to box 0 alone
  EXPECT_EQ(chain().LastBox(), 0);
  EXPECT_EQ(main().popups().size(), 2u) << "no menu for box 0 without a selection";
}

// New folder offers the first name free and makes exactly the one name
// typed in the current folder, then opens it; F2 in a box renames its
// folder, and the chain and a favourite inside it follow the new name.
TEST_F(FolderView, FoldersAreMadeAndRenamedExactly) {
  drives.MakeFolders("c:\\a\\New folder");
  OpenA();
  const std::string cannot = "Unable to make the folder 'c:\\a\\";
  const std::tuple<const char*, const char*, std::string, std::string> rows[] = {
      // the folder of box 1 clicked first, the name typed, the folder open after, what was said
      {"b", "in b", "c:\\b\\in b\\", ""},  // its first sub-folder
      {"a", "..\\up", "c:\\a\\",
       cannot + "..\\up': its name holds a character that Windows does not allow in a name."},
      {"a", "a1", "c:\\a\\", cannot + "a1'."}};
  for (const auto& [from, typed, open, says] : rows) {
    Click(1, from);
    ws.inputAnswers = {typed};
    main().ChooseMenu("mnuNewFolder");
    Settle();
    EXPECT_EQ(std::tuple(chain().CurrentFolder(), ws.messages.empty() ? "" : said()),
              std::tuple(open, says))
        << typed;
    ws.messages.clear();
  }
  EXPECT_EQ(ws.inputOffers, (Entries{"New folder", "New folder (2)", "New folder (2)"}));
  EXPECT_FALSE(drives.Examine("c:\\up")) << "nothing made elsewhere";
  Click(2, "a5");
  main().ChooseMenu("mnuAdd");
  ws.inputAnswers = {"z", "x."};
  EXPECT_TRUE(box(1).Key(key::kF2));
  Settle();
  EXPECT_EQ(std::tuple(chain().CurrentFolder(), box(0).Items().back(), drives.Watched()),
            std::tuple("c:\\z\\a5\\", "c:\\z\\a5\\", Entries{"c:\\", "c:\\z\\", "c:\\z\\a5\\"}));
  main().ChooseMenu("mnuRenameFolder");
  EXPECT_EQ(said(), "Unable to rename 'c:\\z\\a5' to 'c:\\z\\x.': the new name ends in a dot.");
  box(0).Key(key::kF2);
  EXPECT_EQ(said(), "Please select a valid folder.") << "c: is a drive";
}

// Files dropped from another program, or dragged out of the file list onto
// a box, are copied after one question: never into their own folder, nor a
// folder, nor onto box 0.
TEST_F(FolderView, FilesDroppedAreCopiedIntoTheFolderOfTheirBoxOrOfTheFileList) {
  Start();
  files().ShellDrop({"c:\\a\\f.txt"});
  EXPECT_EQ(said(), "Invalid file.") << "no folder open yet";
  OpenA();
  files().dragStarts = true;
  files().UserClick(0);
  EXPECT_EQ(drives.dragged, Entries{"c:\\a\\f.txt"});
  box(0).ShellDrop({"c:\\a\\f.txt"});
  EXPECT_EQ(said(), "You cannot copy anything here. Please select a drive and try again.");
  box(2).ShellDrop({"c:\\a\\f.txt"});
  EXPECT_EQ(said(), "Destination folder must be different from source folder.");
  ws.msgBoxAnswers = {msgbox::kYes};
  box(1).ShellDrop({"c:\\a\\f.txt"});
  Settle();
  EXPECT_EQ(
      said(),
      "Source file :   c:\\a\\f.txt\rDestination folder :   c:\\\r\rDo you want to continue ?");
  drives.MakeFile("z:\\g.txt");
  drives.MakeFile("z:\\h.txt");
  ws.msgBoxAnswers = {msgbox::kOk, msgbox::kYes};
  files().ShellDrop({"z:\\g.txt", "c:\\b", "z:\\h.txt"});
  Settle();
  EXPECT_EQ(ws.messages.end()[-2].text,
            "'c:\\b' cannot be copied: it is a folder, and only files are copied.");
  EXPECT_THAT(said(), testing::StartsWith("Source files :   2 files, the first 'z:\\g.txt'\r"));
  EXPECT_EQ(files().Items(), (Entries{"f.txt", "g.txt", "h.txt"})) << "one copy, read again";
  EXPECT_EQ(std::pair(drives.shellOperations.size(), drives.shellOperations.back().flags),
            std::pair(std::size_t{2}, 0x180u));
}

// A drag with Shift, or one that offers nothing but a move, moves the files
// after the one question, and both folders follow; a copy stays a copy.
TEST_F(FolderView, AMoveDroppedMovesTheFiles) {
  OpenA();
  const std::tuple<bool, int, int, int> drags[] = {
      // offers files, effects offered, keys held, effect allowed
      {true, kDropCopy | kDropMove, 0, kDropCopy},
      {true, kDropCopy | kDropMove, kShiftKey, kDropMove},
      {true, kDropCopy | kDropMove, kShiftKey | kCtrlKey, kDropCopy},
      {true, kDropMove, 0, kDropMove},
      {true, kDropCopy, kShiftKey, kDropCopy},
      {false, kDropMove, kShiftKey, kDropNone}};
  for (const auto& [offers, effects, keys, allowed] : drags)
    EXPECT_EQ(box(1).ShellDragOver(offers, effects, keys), allowed) << effects << " " << keys;
  ws.msgBoxAnswers = {msgbox::kYes};
  box(1).ShellDrop({"c:\\a\\f.txt"}, kDropMove);
  Settle();
  EXPECT_EQ(std::pair(drives.shellOperations.back().func, files().Items()),
            std::pair(1u, Entries{}))
      << "moved out of the list";
  EXPECT_TRUE(std::filesystem::exists(drives.HostPath("c:\\f.txt"))) << "into c:\\";
}

// Retry reads the drive again; Cancel goes back to box 0 alone, and takes a
// failing favourite out of box 0 and of its file.
TEST_F(FolderView, AFolderThatCannotBeReadOffersRetryUntilItIsReadyOrCancelled) {
  drives.AddNotReadyDrive('a');
  drives.MakeFile(std::string(kProgramDir) + "Favorites", "\"c:\\gone\\\"\r\n\"c:\\a\\\"\r\n");
  drives.MakeFile(std::string(kProgramDir) + "Config", "1200\r\n1800\r\n0\r\n0\r\n");
  Start();
  ws.msgBoxAnswers = {msgbox::kRetry, msgbox::kCancel};
  Click(0, "a:");
  ASSERT_EQ(ws.messages.size(), 2u) << "asked again after Retry";
  EXPECT_EQ(ws.messages[0].text,
            "Unable to open 'a:\\'\rThe selected drive or folder is not ready. Do you want to "
            "retry ?");
  EXPECT_EQ(ws.messages[0].style, msgbox::kRetryCancel | msgbox::kExclamation);
  Click(0, "c:\\gone\\");
  EXPECT_EQ(box(0).Items(), (Entries{"a:", "c:", "z:", "", "c:\\a\\"})) << "never a drive";
  EXPECT_EQ(drives.Contents(std::string(kProgramDir) + "Favorites"), "\"c:\\a\\\"\r\n");

  ws.onMessage = [this] {  // the user inserts a disk, then chooses Retry
    drives.AddDrive('a');
    drives.MakeFolders("a:\\docs");
  };
  ws.msgBoxAnswers = {msgbox::kRetry};
  Click(0, "a:");
  EXPECT_EQ(box(1).Items(), (Entries{"docs"}));
  EXPECT_EQ(main().Caption(), "Vantiro! - a:");

  Click(0, "c:\\a\\");  // a favourite that goes while open: back to box 0 alone
  std::filesystem::remove_all(drives.HostPath("c:\\a"));
  drives.Changed("c:\\a\\");
  Settle();
  EXPECT_EQ(said().substr(0, 22), "Unable to open 'c:\\a\\'");
  EXPECT_EQ(chain().LastBox(), 0);
}

// Another program adds to c:\a\ and to a5, then removes a5 while it is open.
TEST_F(FolderView, TheOpenListsFollowTheDiskKeepingSelectionAndScroll) {
  OpenA();
  Click(2, "a5");
  box(2).UserScroll(3);
  EXPECT_EQ(drives.Watched(), (Entries{"c:\\", "c:\\a\\", "c:\\a\\a5\\"}));
  drives.MakeFolders("c:\\a\\a0");
  drives.MakeFile("c:\\a\\a5\\new.txt");
  EXPECT_EQ(drives.Changed("c:\\a\\") + drives.Changed("c:\\a\\a5\\"), 2);
  Settle();
  EXPECT_EQ(box(2).Items().front(), "a0");
  EXPECT_EQ(std::pair(box(2).Selected(), box(2).TopIndex()), std::pair(5, 3));
  EXPECT_EQ(files().Items(), Entries{"new.txt"});

  // a5 renamed away and another made under its name: listed, and watched instead.
  const std::filesystem::path a5 = drives.HostPath("c:\\a\\a5");
  std::filesystem::rename(a5, a5.string() + ".old");
  drives.MakeFile("c:\\a\\a5\\other.txt");
  drives.Changed("c:\\a\\");
  Settle();
  EXPECT_EQ(std::pair(files().Items(), drives.Changed("c:\\a\\a5\\")),
            std::pair(Entries{"other.txt"}, 1));

  std::filesystem::remove_all(drives.HostPath("c:\\a\\a5"));
  drives.Changed("c:\\a\\");
  Settle();
  EXPECT_EQ(said(),
            "Unable to open 'c:\\a\\a5\\'\rThe selected drive or folder is not ready. "
            "Do you want to retry ?");
  EXPECT_EQ(files().Items(), Entries{"f.txt"}) << "back to the folder that held it";
  EXPECT_EQ(drives.Watched(), (Entries{"c:\\", "c:\\a\\"}));
  EXPECT_EQ(main().Caption(), "Vantiro! - a");
  Click(2, "a6");
  std::filesystem::remove_all(drives.HostPath("c:\\a\\a6"));
  ws.onMessage = [this] { drives.MakeFolders("c:\\a\\a6"); };  // back before Retry
  ws.msgBoxAnswers = {msgbox::kRetry};
  drives.Changed("c:\\a\\");
  Settle();
  ws.onMessage = {};
  EXPECT_EQ(main().Caption(), "Vantiro! - a6") << "opened again";

  Click(1, "b");  // empty: the file list waits beyond the window's edge
  const Twips narrow = main().Width();
  drives.MakeFile("c:\\b\\new.txt");
  drives.Changed("c:\\b\\");
  Settle();
  EXPECT_EQ(main().Width() - narrow, files().Width()) << "the list comes into sight";
}

TEST_F(FolderView, AClickReadsTheFolderOnceWhateverTheReleaseReports) {
  OpenA();
  const int reads = drives.reads;
  Press(box(2), kLeftButton, 2);
  box(2).UserClick(2);  // the release
  Settle();
  EXPECT_EQ(std::pair(drives.reads - reads, chain().CurrentFolder()),
            std::pair(1, std::string("c:\\a\\a3\\")));
  box(2).UserClick(2);  // a click on the entry selected opens it again
  Settle();
  EXPECT_EQ(drives.reads - reads, 2);
}

// The files read so far show as they come, the caption counting them; the
// whole listing then replaces them. A folder Windows cannot watch is said
// once.
TEST_F(FolderView, FilesShowAsTheyAreReadThenWhole) {
  drives.unwatchable = {"c:\\a\\", "c:\\b\\"};
  for (int i = 0; i < 300; ++i) drives.MakeFile("c:\\b\\f" + std::to_string(i) + ".txt");
  Start();
  Click(0, "c:");
  drives.readDelay = std::chrono::milliseconds(1);
  const Twips narrow = main().Width();
  box(1).UserClick(1);  // b
  while (files().Items().empty() && ws.RunPosted(std::chrono::milliseconds(5000))) {
  }
  const std::size_t shown = files().Items().size();
  EXPECT_GT(main().Width(), narrow) << "the window widens for the first files";
  EXPECT_EQ(main().Caption(), "Vantiro! - b (" + std::to_string(shown) + " listed...)");
  EXPECT_LT(shown, 300u);
  Settle();
  EXPECT_EQ(files().Items().size(), 300u);
  box(1).UserClick(1);  // b again: the first files read replace its blank rows
  while (chain().files().entries.empty() && ws.RunPosted(std::chrono::milliseconds(5000))) {
  }
  EXPECT_EQ(files().Items().size(), chain().files().entries.size());
  EXPECT_NE(files().Items().front(), "");
  Settle();
  box(1).UserClick(0);  // a, not read yet
  EXPECT_EQ(files().Items(), std::vector<std::string>(300)) << "blank, their room kept";
  Settle();
  for (int i = 0; i < 300; ++i) drives.MakeFolders("c:\\b\\d" + std::to_string(i));
  box(1).UserClick(1);
  while (chain().LastBox() < 2 && ws.RunPosted(std::chrono::milliseconds(5000))) {
  }
  EXPECT_EQ(box(2).Items().size(), chain().box(2).entries.size()) << "a new box shows its rows";
  EXPECT_LT(box(2).Items().size(), 300u) << "the first folders read";
  EXPECT_EQ(std::pair(ws.messages.size(), said()),
            std::pair(std::size_t{1}, std::string("Changes that other programs make in 'c:\\b\\' "
                                                  "will show only after a Refresh: Windows cannot "
                                                  "watch it.")));
}

// Keys and typing, one after another from c: selected in box 0: where the
// focus goes and what is open (the file selected, or else the folder).
TEST_F(FolderView, TheKeysMoveAcrossTheBoxesAndTypingJumpsToAName) {
  drives.MakeFolders("c:\\beta\\inner");
  drives.MakeFolders("c:\\bravo");
  drives.MakeFile("c:\\beta\\inner\\deep.txt");
  drives.MakeFile("c:\\beta\\inner\\ear.txt");
  Start();
  Click(0, "c:");
  constexpr int kFiles = -1;
  const std::string inner = "c:\\beta\\inner\\";
  const struct {
    int list, keyCode;
    char typed;
    std::uint32_t time;
    int focus;
    std::string open;
  } steps[] = {{0, key::kRight, 0, 0, 1, "c:\\a\\"},
               {1, key::kEnd, 0, 0, 1, "c:\\vantiro\\"},
               {1, key::kHome, 0, 0, 1, "c:\\a\\"},
               {1, 0, 'b', 100, 1, "c:\\b\\"},
               {1, 0, 'R', 400, 1, "c:\\bravo\\"},  // "br", whatever the case
               {1, 0, 'b', 2000, 1, "c:\\b\\"},     // a second later: a new word
               {1, 0, 'b', 2300, 1, "c:\\beta\\"},  // the same letter again: the next
               {1, 0, 'b', 2600, 1, "c:\\bravo\\"},
               {1, 0, 'b', 2900, 1, "c:\\b\\"},  // round by the top
               {1, 0, 'b', 3200, 1, "c:\\beta\\"},
               {1, key::kRight, 0, 0, 2, inner},
               {2, key::kReturn, 0, 0, kFiles, inner + "deep.txt"},
               {kFiles, 0, 'e', 6000, kFiles, inner + "ear.txt"},
               {kFiles, 0, 'd', 7000, kFiles, inner + "deep.txt"},  // a second later: anew
               {kFiles, 0, 'e', 8000, kFiles, inner + "ear.txt"},
               {kFiles, key::kLeft, 0, 0, 2, inner + "ear.txt"},
               {2, key::kBack, 0, 0, 1, inner + "ear.txt"},
               {1, key::kLeft, 0, 0, 0, inner + "ear.txt"},
               {0, key::kLeft, 0, 0, 0, inner + "ear.txt"}};
  for (const auto& step : steps) {
    fake::FakeListBox& list = step.list == kFiles ? files() : box(step.list);
    EXPECT_TRUE(step.typed ? list.Type(step.typed, step.time) : list.Key(step.keyCode));
    Settle();
    const fake::FakeListBox& focused = step.focus == kFiles ? files() : box(step.focus);
    EXPECT_TRUE(focused.HasFocus()) << step.open;
    EXPECT_EQ(chain().SelectedFilePath().value_or(chain().CurrentFolder()), step.open);
  }
  EXPECT_FALSE(box(1).Key(key::kDown)) << "Up and Down are the list box's own";
  EXPECT_FALSE(box(1).Key(key::kRight, kShiftKey)) << "and so is a key with Shift";
  EXPECT_TRUE(files().Key(key::kUp, kShiftKey));
  EXPECT_EQ(files().Runs(), (std::vector<RowRun>{{0, 1}})) << "Shift stretches the selection";
  EXPECT_TRUE(files().Key(key::kPageDown));
  files().Key(key::kReturn);
  EXPECT_EQ(drives.openedDocuments.back(), inner + "ear.txt");
  box(2).Press({kLeftButton, 0, 100, 20 * fake::kRowHeight});  // beta read again, box 2 emptied
  EXPECT_FALSE(box(2).Type('i', 9000) || box(2).Key(key::kEnd)) << "no rows of the chain there";
}

}  // namespace
}  // namespace vantiro
