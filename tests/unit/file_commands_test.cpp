#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "commands/file_operations.h"
#include "commands/open_with.h"
#include "tests/unit/main_window.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;
using testing::EndsWith;

// Each operation runs once the one before has ended, so that it finds the
// files as that one left them; what waits for the last comes after it.
TEST(FileOperationsQueue, RunsEachOperationAfterTheOneBefore) {
  fake::FakeWindowSystem ws;
  FileOperations operations(ws);
  Entries steps;
  for (const std::string name : {"a", "b"}) {
    operations.Queue([&steps, name] { return steps.emplace_back(name + " runs"); },
                     [&steps, name](const std::string&) { steps.push_back(name + " done"); });
  }
  operations.WhenDone([&steps] { steps.push_back("none left"); });
  EXPECT_TRUE(operations.Busy());
  while (ws.RunPosted(std::chrono::milliseconds(0))) {
  }
  EXPECT_EQ(steps, (Entries{"a runs", "a done", "b runs", "b done", "none left"}));
  EXPECT_FALSE(operations.Busy());
}

// c:\dest\ is empty; c:\docs\ holds readme.txt, run.bat and "a & b.txt",
// which the file list shows with the batch file as run.BAT.
class FileCommands : public MainWindowTest {
 protected:
  FileCommands() {
    drives.MakeFolders("c:\\dest");
    for (const char* name : {"c:\\docs\\readme.txt", "c:\\docs\\run.bat", "c:\\docs\\a & b.txt"})
      drives.MakeFile(name);
    Start();
    Click(0, "c:");
    Click(1, "docs");
  }
  // Selects a file as a click does and chooses a command of the FILE menu.
  void Choose(const std::string& file, const char* command) {
    ClickFile(file);
    main().ChooseMenu(command);
  }
};

TEST_F(FileCommands, OpenHandsTheFileToTheShellAfterTheBatchQuestion) {
  const struct {
    const char* file;
    std::deque<int> answers;
    std::size_t asked, opened;
  } rows[] = {
      {"a & b.txt", {}, 0, 1}, {"run.BAT", {msgbox::kNo}, 1, 1}, {"run.BAT", {msgbox::kYes}, 2, 2}};
  for (const auto& row : rows) {
    ws.msgBoxAnswers = row.answers;
    Choose(row.file, "mnuFileOpen");
    EXPECT_EQ(drives.openedDocuments.size(), row.opened) << row.file;
    EXPECT_EQ(drives.openedDocuments.back(),
              "c:\\docs\\" + std::string(row.opened == 2 ? "run.bat" : "a & b.txt"));
    EXPECT_EQ(ws.messages.size(), row.asked) << row.file;
  }
  Press(files(), kLeftButton, 20);  // below the files: none selected
  files().DoubleClick();
  EXPECT_EQ(drives.openedDocuments.size(), 2u) << "no file selected";
}

// Ctrl+A in the file list selects every file: each command asks once for
// all of them, and those for one file are greyed.
TEST_F(FileCommands, EverySelectedFileIsOpenedShownOrRecycledAfterOneQuestion) {
  ClickFile("readme.txt");
  EXPECT_TRUE(files().Key('A', kCtrlKey));
  EXPECT_EQ(files().Runs(), (std::vector<RowRun>{{0, 2}}));
  EXPECT_FALSE(main().MenuEnabled("mnuFileRename") || main().MenuEnabled("mnuFileOpenWith"));
  ws.msgBoxAnswers = {msgbox::kYes};
  main().ChooseMenu("mnuFileOpen");
  main().ChooseMenu("mnuFileProperties");
  EXPECT_EQ(drives.openedDocuments, (Entries{"c:\\docs\\a & b.txt", "c:\\docs\\readme.txt",
                                             "c:\\docs\\run.bat", "properties of 3"}));
  main().ChooseMenu("mnuFileDelete");
  EXPECT_EQ(ws.messages.size(), 2u);
  EXPECT_EQ(
      ws.messages.front().text,
      "Warning : You are executing batch files ('c:\\docs\\run.bat') ! Do you want to continue ?");
  EXPECT_EQ(said(),
            "Do you really want to delete these 3 files, the first 'c:\\docs\\a & b.txt' ?");
  ClickFile("a & b.txt");
  EXPECT_TRUE(main().MenuEnabled("mnuFileRename"));
  ClickFile("readme.txt", kShiftKey);
  main().ChooseMenu("mnuFileRecycleBin");
  Settle();
  EXPECT_EQ(drives.shellOperations.size(), 1u);
  EXPECT_EQ(files().Items(), Entries{"run.BAT"}) << "the two recycled";
}

TEST_F(FileCommands, CopyHandsOverEveryFileThroughTempAndPasteAsksOnce) {
  const std::string handOver = std::string(kProgramDir) + "Temp";
  ClickFile("a & b.txt");
  Choose("readme.txt", "mnuCopy");
  ClickFile("a & b.txt", kCtrlKey);
  main().ChooseMenu("mnuCopy");
  EXPECT_EQ(drives.Contents(handOver), "\"c:\\docs\\a & b.txt\"\r\n\"c:\\docs\\readme.txt\"\r\n");
  EXPECT_THAT(said(), testing::StartsWith("2 files, the first 'c:\\docs\\a & b.txt', have been"));
  Click(1, "dest");
  ws.msgBoxAnswers = {msgbox::kYes};
  main().ChooseMenu("mnuPaste");
  Settle();
  EXPECT_THAT(said(), testing::StartsWith("Source files :   2 files, the first 'c:\\docs\\a & b"));
  EXPECT_EQ(files().Items(), (Entries{"a & b.txt", "readme.txt"}));
  // An earlier version's file (the path, then the name) and one of one path
  // paste one file; the others paste nothing.
  drives.clipboard = {std::nullopt, "text of another program"};
  const std::string one = "Source file :   c:\\docs\\run.bat\r", none = "You must first select";
  const std::pair<const char*, std::string> handOvers[] = {
      {"\"c:\\docs\\run.bat\"\r\n\"run.bat\"\r\n", one},
      {"\"c:\\docs\\run.bat\"", one},
      {"", none},
      {"\"c:\\docs\\run.bat\r\n\"x\"", none},
      {"\x01\xff\x00garbage", none},
      {"\"c:\\docs\\run.bat\"\r\n\x01", none},
      {"\"\"\r\n\"run.bat\"\r\n", none},
      {"\"c:\\a\"\r\n\"c:\\b\"\r\n\"b\"\r\n", none}};
  for (const auto& [contents, says] : handOvers) {
    drives.MakeFile(handOver, contents);
    main().ChooseMenu("mnuPaste");
    Settle();
    EXPECT_THAT(said(), testing::StartsWith(says)) << contents;
  }
  drives.saveFails = true;
  Click(1, "docs");
  Choose("readme.txt", "mnuCopy");
  EXPECT_EQ(ws.messages.back().text,
            "Unable to write '" + handOver + "': nothing has been copied.");
}

// Copy and Cut put the files on the system clipboard, to be copied or
// moved; Paste takes the clipboard's files, whoever put them there, before
// the hand-over file, and tells of a move when every file cut went.
TEST_F(FileCommands, TheClipboardCarriesFilesBothWaysCopiedOrCut) {
  using Held = std::pair<std::optional<ClipboardFiles>, std::string>;
  const auto held = [](Entries paths, int effect) { return Held{{{paths, effect}}, ""}; };
  const Entries docs = {"c:\\docs\\a & b.txt", "c:\\docs\\readme.txt"};
  const Held other = held({"c:\\other\\x.txt"}, kDropCopy),
             otherCut = held({"c:\\other\\x.txt", "c:\\docs"}, kDropMove);
  drives.MakeFile("c:\\other\\x.txt");
  ClickFile("a & b.txt");
  ClickFile("readme.txt", kCtrlKey);
  const std::tuple<const char*, Held, Held, Entries> rows[] = {
      // the command; the clipboard before (put there by another program), after;
      // what the paste leaves in c:\\dest
      {"mnuCopy", {}, held(docs, kDropCopy), {}},
      {"mnuCut", {}, held(docs, kDropMove), {}},
      {"mnuCopyAsPath", {}, {{}, "\"c:\\docs\\a & b.txt\"\r\n\"c:\\docs\\readme.txt\""}, {}},
      {"mnuPaste", other, other, {"x.txt"}},
      {"mnuPaste", otherCut, otherCut, {"x.txt"}},  // a folder stays: nothing told
      {"mnuPaste", held(docs, kDropMove), {{}, "moved"}, {"a & b.txt", "readme.txt", "x.txt"}}};
  for (const auto& [command, before, after, dest] : rows) {
    if (before.first) drives.clipboard = before;
    ws.msgBoxAnswers = {msgbox::kYes, msgbox::kYes};
    if (!dest.empty()) Click(1, "dest");
    main().ChooseMenu(command);
    Settle();
    EXPECT_EQ(dest.empty() ? dest : files().Items(), dest) << command;
    EXPECT_EQ(drives.clipboard, after) << command;
    if (!dest.empty()) Click(1, "docs");
  }
  EXPECT_EQ(files().Items(), Entries{"run.BAT"}) << "the others cut and moved";
  EXPECT_TRUE(drives.Examine("c:\\other\\x.txt").has_value()) << "copied, and then not moved";
  drives.clipboardRefuses = true;
  Choose("run.BAT", "mnuCut");
  EXPECT_EQ(said(), "Unable to put 'c:\\docs\\run.bat' on the clipboard: nothing has been cut.");
}

// Names that differ only in case are two entries whose rows read the same:
// each command acts on the entry chosen, never on its row's text.
TEST_F(FileCommands, ACommandActsOnTheEntryChosenNotOnItsRowsText) {
  drives.MakeFolders("c:\\twins");
  const std::filesystem::path twins = drives.HostPath("c:\\twins");  // made past the case rule
  for (const char* name : {"tool.exe", "tool.EXE", "Docs/big.txt", "docs/small.txt"}) {
    std::filesystem::create_directories((twins / name).parent_path());
    std::ofstream(twins / name) << name;
  }
  main().ChooseMenu("mnuRefresh");
  Settle();
  Click(1, "twins");
  EXPECT_EQ(std::pair(box(2).Items(), files().Items()),
            std::pair(Entries{"docs", "docs"}, Entries{"tool.EXE", "tool.EXE"}));
  files().UserClick(1);  // tool.exe, after tool.EXE
  ws.msgBoxAnswers = {msgbox::kYes};
  main().ChooseMenu("mnuFileDelete");
  Settle();
  EXPECT_EQ(std::pair(drives.Contents("c:\\twins\\tool.EXE"), files().Items()),
            std::pair(std::string("tool.EXE"), Entries{"tool.EXE"}));
  box(2).UserClick(0);  // Docs, before docs
  Settle();
  EXPECT_EQ(std::pair(chain().CurrentFolder(), files().Items()),
            std::pair(std::string("c:\\twins\\Docs\\"), Entries{"big.txt"}));
}

// The shell stops at the first file another program holds: what it left is
// named, and a close meanwhile waits for the operation, out of sight.
TEST_F(FileCommands, WhatTheShellLeftIsNamedAndACloseWaitsForIt) {
  drives.held = {"c:\\docs\\readme.txt"};
  ClickFile("a & b.txt");
  files().Key('A', kCtrlKey);
  main().ChooseMenu("mnuCopy");
  Click(1, "dest");
  ws.msgBoxAnswers = {msgbox::kYes};
  main().ChooseMenu("mnuPaste");
  Settle();
  EXPECT_EQ(said(), "Unable to copy 2 files, the first 'c:\\docs\\readme.txt', to 'c:\\dest\\'.");
  Click(1, "docs");
  Choose("readme.txt", "mnuFileRecycleBin");
  Settle();
  EXPECT_EQ(said(), "Unable to send 'c:\\docs\\readme.txt' to the Recycle Bin.");
  files().Key('A', kCtrlKey);
  main().ChooseMenu("mnuFileRecycleBin");
  main().Close();
  EXPECT_FALSE(main().closed() || main().Visible() || ws.quit) << "the close waits";
  Settle();
  EXPECT_EQ(said(),
            "Unable to send 2 files, the first 'c:\\docs\\readme.txt', to the Recycle Bin.");
  EXPECT_TRUE(main().closed() && ws.quit);
  EXPECT_TRUE(drives.Contents(std::string(kProgramDir) + "Config").ends_with("#TRUE#\r\n"))
      << "saved";
}

TEST_F(FileCommands, DeleteAsksFirstAndSaysWhenTheFileIsGone) {
  Choose("readme.txt", "mnuFileDelete");  // No
  EXPECT_EQ(said(), "Do you really want to delete 'c:\\docs\\readme.txt' ?");
  drives.RemoveFile("c:\\docs\\readme.txt");  // gone behind the list's back
  ws.msgBoxAnswers = {msgbox::kYes};
  Choose("readme.txt", "mnuFileDelete");
  Settle();
  EXPECT_EQ(said(), "Unable to remove 'c:\\docs\\readme.txt'.");
}

// What the program changes itself shows without a Refresh, the chain kept;
// a folder sent to the Recycle Bin closes the chain back to its parent.
TEST_F(FileCommands, ItsOwnChangesShowWithTheChainKept) {
  drives.MakeFolders("c:\\docs\\old\\inner");
  main().ChooseMenu("mnuRefresh");
  Settle();
  Click(0, "c:");
  Click(1, "docs");
  ws.msgBoxAnswers = {msgbox::kYes};
  Choose("readme.txt", "mnuFileDelete");
  ws.inputAnswers = {"..\\up.txt"};
  Choose("run.BAT", "mnuFileRename");
  Settle();
  EXPECT_EQ(files().Items(), Entries{"a & b.txt"});
  EXPECT_EQ(box(2).Items(), Entries{"old"});
  Click(2, "old");
  drives.binRefuses = true;  // the shell's offer to delete for good is declined
  ws.msgBoxAnswers = {msgbox::kYes};
  main().ChooseMenu("mnuFolderRecycleBin");
  Settle();
  EXPECT_EQ(said(),
            "'c:\\docs\\old' cannot be sent to the Recycle Bin: the Recycle Bin cannot "
            "take it. Nothing has been deleted.");
  EXPECT_EQ(drives.shellOperations.back().flags, 0x4050u) << "the shell asks nothing";
  drives.binRefuses = false;
  ws.msgBoxAnswers = {msgbox::kYes};
  main().ChooseMenu("mnuFolderRecycleBin");
  Settle();
  EXPECT_EQ(
      std::tuple(chain().LastBox(), chain().CurrentFolder(), files().Items(), main().Caption()),
      std::tuple(1, std::string("c:\\docs\\"), Entries{"a & b.txt"}, "Vantiro! - docs"));
  EXPECT_EQ(ws.messages.size(), 4u) << "the delete, the folder's question twice, the refusal";
}

// The shell's commands refuse a name it would read as another and say why;
// Paste copies one file or none, itself where the shell would misread it.
TEST_F(FileCommands, TheShellNeverGetsANameItWouldReadAsAnother) {
  const std::string longFolder = "c:\\" + std::string(255, 'f');
  drives.MakeFile("c:\\docs\\a.txt.", "dot");
  drives.MakeFile(longFolder + "\\s.txt", "long");
  drives.MakeFolders("c:\\docs\\work.");
  main().ChooseMenu("mnuRefresh");
  Settle();
  Choose("a.txt.", "mnuFileOpen");
  EXPECT_EQ(said(), "'c:\\docs\\a.txt.' cannot be opened: its name ends in a dot.");
  Choose("a.txt.", "mnuFileOpenWith");
  EXPECT_THAT(said(), EndsWith("opened with a program: its name ends in a dot."));
  Choose("a.txt.", "mnuFileRecycleBin");
  EXPECT_THAT(said(), EndsWith("sent to the Recycle Bin: its name ends in a dot."));
  ws.inputAnswers = {"b.txt.", "..\\up.txt"};
  Choose("a.txt.", "mnuFileRename");
  EXPECT_THAT(said(), EndsWith("a.txt.' to 'c:\\docs\\b.txt.': the new name ends in a dot."));
  Choose("a.txt.", "mnuFileRename");
  EXPECT_EQ(drives.Contents("c:\\up.txt"), "dot");
  Click(2, "work.");
  ws.msgBoxAnswers = {msgbox::kYes};
  main().ChooseMenu("mnuFolderRecycleBin");
  Settle();
  EXPECT_EQ(said(), "'c:\\docs\\work.' cannot be sent to the Recycle Bin: its name ends in a dot.");
  main().ChooseMenu("mnuExplore");
  EXPECT_THAT(said(), EndsWith("opened in Explorer: its name ends in a dot."));
  Click(1, "dest");
  const std::pair<std::string, std::string> pastes[] = {
      {"c:\\docs\\*", "'c:\\docs\\*' cannot be copied: its name holds a wildcard (* or ?)."},
      {"c:\\dest", "'c:\\dest' cannot be copied: it is a folder, and only files are copied."},
      {longFolder + "\\s.txt", "Do you want to continue ?"}};
  for (const auto& [source, says] : pastes) {
    drives.MakeFile(std::string(kProgramDir) + "Temp", "\"" + source + "\"\r\n\"x\"\r\n");
    ws.msgBoxAnswers = {msgbox::kYes};
    main().ChooseMenu("mnuPaste");
    Settle();
    EXPECT_THAT(said(), EndsWith(says));
  }
  EXPECT_EQ(files().Items(), std::vector<std::string>{"s.txt"}) << "the copy shows";
  ws.msgBoxAnswers = {msgbox::kYes, msgbox::kNo};  // continue, but not over the copy
  main().ChooseMenu("mnuPaste");
  Settle();
  EXPECT_EQ(said(), "Operation Failed");
  EXPECT_TRUE(drives.shellOperations.empty() && drives.openedDocuments.empty() &&
              drives.startedPrograms.empty());
  Click(1, "docs");
  Choose("readme.txt", "mnuFileOpenWith");
  EXPECT_EQ(drives.openedDocuments, std::vector<std::string>{"with c:\\docs\\readme.txt"});
  EXPECT_EQ(drives.Contents("c:\\dest\\s.txt"), "long");
}

// The shell's own menu, under "More", is built for the files selected or
// the current folder, and for no name the shell would misread; the menu
// key pops up FILE, or FOLDER in a box.
TEST_F(FileCommands, TheShellsMenuIsOneSubmenuAway) {
  drives.MakeFile("c:\\docs\\a.txt.");
  main().ChooseMenu("mnuRefresh");
  Settle();
  ClickFile("a & b.txt");
  ClickFile("readme.txt", kCtrlKey);
  EXPECT_EQ(main().OpenShellMenu("mnuFileMore"),
            (Entries{"c:\\docs\\a & b.txt", "c:\\docs\\readme.txt"}));
  EXPECT_EQ(main().OpenShellMenu("mnuFolderMore"), Entries{"c:\\docs"});
  ClickFile("a.txt.", kCtrlKey);
  EXPECT_EQ(main().OpenShellMenu("mnuFileMore"), Entries{});
  files().MenuKey();
  box(1).MenuKey();
  EXPECT_EQ(main().popups(), (Entries{"mnuFileFunctions", "mnuDirFunctions"}));
}

// How to... opens the help file where the system has a WinHelp viewer,
// else the same manual as a page in the browser.
TEST_F(FileCommands, HelpOpensTheManualWhereWinHelpIsGone) {
  for (const bool viewer : {true, false}) main().helpViewer = viewer, main().ChooseMenu("mnuHowTo");
  EXPECT_EQ(std::pair(main().shownHelp, drives.openedDocuments),
            std::pair(Entries{std::string(kProgramDir) + "HowTo.hlp"},
                      Entries{std::string(kProgramDir) + "manual.html"}));
}

// The program's own "Open with" box, where the shell has none: the programs
// registered for the type, one found with Browse... joins them selected, and
// OK starts it on the file.
TEST_F(FileCommands, TheOwnOpenWithBoxStartsTheProgramChosenOnTheFile) {
  drives.programs = {"c:\\a.exe"};
  ws.chosenFile = "c:\\b.exe";
  FrmOpenWith box(ws, drives, "c:\\x & y.txt");
  EXPECT_EQ(box.List1().Selected(), 0);
  box.cmdBrowse_Click();
  box.cmdBrowse_Click();  // found again: listed once
  EXPECT_EQ(static_cast<fake::FakeListBox&>(box.List1()).Items(),
            (Entries{"c:\\a.exe", "c:\\b.exe"}));
  drives.startFails = true;
  box.cmdOK_Click();
  EXPECT_EQ(said(), "Unable to start 'c:\\b.exe'.");
  EXPECT_EQ(drives.startedPrograms.back(), "\"c:\\b.exe\" \"c:\\x & y.txt\"");
}

TEST_F(FileCommands, ANewWindowStartsFromTheSavedPlaceWhileThisOneStepsAside) {
  const Twips left = main().Left(), top = main().Top();
  main().ChooseMenu("mnuNewWindow");
  EXPECT_EQ(std::pair(main().Left(), main().Top()), std::pair(left + 500, top + 500));
  const std::string saved = drives.Contents(std::string(kProgramDir) + "Config");
  EXPECT_NE(saved.find(std::to_string(left) + "\r\n" + std::to_string(top) + "\r\n"),
            std::string::npos)
      << "saved before the move:\n"
      << saved;
  EXPECT_TRUE(ws.messages.empty());
  drives.startFails = true;
  main().ChooseMenu("mnuNewWindow");
  EXPECT_EQ(said(), "Sorry: Unable to open a new Vantiro! window.\rVantiro.exe : File not found.");
}

}  // namespace
}  // namespace vantiro
