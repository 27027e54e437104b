#include <algorithm>
#include <string>
#include <vector>

#include "commands/open_with.h"
#include "tests/unit/browser.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;

// c:\dest\ is empty; c:\docs\ holds readme.txt, other.txt, run.bat and
// "a & b.txt", which the file list shows with the batch file as run.BAT.
class FileCommands : public Browser {
 protected:
  FileCommands() {
    drives.MakeFolders("c:\\docs");
    drives.MakeFolders("c:\\dest");
    drives.MakeFolders("c:\\vantiro");
    for (const char* name : {"readme.txt", "other.txt", "run.bat", "a & b.txt"})
      drives.MakeFile(std::string("c:\\docs\\") + name);
    Start();
    Click(0, "c:");
    Click(1, "docs");
  }
  // Selects a file as a click does and chooses a command of the FILE menu.
  void Choose(const std::string& file, const char* command) {
    const Entries items = files().Items();
    const auto found = std::find(items.begin(), items.end(), file);
    ASSERT_NE(found, items.end()) << file;
    files().UserClick(static_cast<int>(found - items.begin()));
    main().ChooseMenu(command);
  }
  bool Exists(const std::string& name) {
    return std::filesystem::exists(drives.HostPath("c:\\docs\\" + name));
  }
};

TEST_F(FileCommands, OpenHandsTheFileToTheShellAfterTheBatchQuestion) {
  const struct {
    const char* file;
    std::deque<int> answers;
    bool asked, opened;
  } rows[] = {{"a & b.txt", {}, false, true},
              {"run.BAT", {msgbox::kNo}, true, false},
              {"run.BAT", {msgbox::kYes}, true, true}};
  for (const auto& row : rows) {
    drives.openedDocuments.clear();
    ws.messages.clear();
    ws.msgBoxAnswers = row.answers;
    Choose(row.file, "mnuFileOpen");
    EXPECT_EQ(drives.openedDocuments,
              row.opened ? Entries{std::string("c:\\docs\\") + row.file} : Entries{})
        << row.file;
    EXPECT_EQ(ws.messages.size(), row.asked ? 1u : 0u) << row.file;
  }
  drives.openedDocuments.clear();
  files().Select(-1);
  form->Files_DblClick();
  EXPECT_TRUE(drives.openedDocuments.empty()) << "no file selected";
}

TEST_F(FileCommands, RenameTakesANewNameOnlyAndSaysWhenItCannot) {
  const struct {
    const char* answer;
    bool renamed;
    const char* message;
  } rows[] = {
      {"", false, nullptr},
      {"README.TXT", false, nullptr},  // a change of case alone
      {"other.txt", false, "Unable to rename 'c:\\docs\\readme.txt' to 'c:\\docs\\other.txt'"},
      {"new.txt", true, nullptr}};
  for (const auto& row : rows) {
    ws.messages.clear();
    ws.inputAnswers = {row.answer};
    Choose("readme.txt", "mnuFileRename");
    EXPECT_EQ(ws.inputs.back().defaultText, "readme.txt");
    EXPECT_EQ(Exists("new.txt"), row.renamed) << row.answer;
    EXPECT_EQ(ws.messages.empty() ? "" : ws.messages[0].text, row.message ? row.message : "")
        << row.answer;
    if (row.renamed) break;
  }
  EXPECT_EQ(files().Items(), (Entries{"a & b.txt", "new.txt", "other.txt", "run.BAT"}))
      << "refreshed, the folder open again";
}

TEST_F(FileCommands, DeleteAsksFirstAndTheRecycleBinLeavesTheAskingToTheShell) {
  Choose("other.txt", "mnuFileDelete");  // No
  EXPECT_TRUE(Exists("other.txt"));
  EXPECT_EQ(ws.messages.back().text, "Do you really want to delete 'c:\\docs\\other.txt' ?");
  ws.msgBoxAnswers = {msgbox::kYes};
  Choose("other.txt", "mnuFileDelete");
  EXPECT_FALSE(Exists("other.txt"));

  Choose("readme.txt", "mnuFileRecycleBin");
  ASSERT_EQ(drives.shellOperations.size(), 1u);
  const ShellFileOperation& op = drives.shellOperations[0];
  EXPECT_EQ(
      std::tuple(op.owner, op.func, op.from, op.to, op.flags),
      std::tuple(std::uintptr_t{0}, 3u, std::string("c:\\docs\\readme.txt"), std::string(), 0x40u));
  EXPECT_EQ(files().Items(), (Entries{"a & b.txt", "run.BAT"}));

  drives.RemoveFile("c:\\docs\\run.bat");  // gone behind the list's back
  ws.msgBoxAnswers = {msgbox::kYes};
  Choose("run.BAT", "mnuFileDelete");
  EXPECT_EQ(ws.messages.back().text, "Unable to remove 'c:\\docs\\run.BAT'.");
}

TEST_F(FileCommands, CopyHandsOverThroughTempAndPasteReadsItBackWithItsRules) {
  const std::string handOver = form->ProgramDir + "Temp";
  Choose("a & b.txt", "mnuCopy");
  EXPECT_EQ(drives.Contents(handOver), "\"c:\\docs\\a & b.txt\"\r\n\"a & b.txt\"\r\n");
  main().ChooseMenu("mnuPaste");
  EXPECT_EQ(ws.messages.back().text, "Destination folder must be different from source folder.");

  Click(1, "dest");
  for (const char* damaged : {"", "\"c:\\docs\\a & b.txt\"\r\n", "\"c:\\docs\\a & b.txt\r\n\"x\"",
                              "\x01\xff\x00garbage", "\"\"\r\n\"a & b.txt\"\r\n"}) {
    drives.MakeFile(handOver, damaged);
    main().ChooseMenu("mnuPaste");
    EXPECT_EQ(ws.messages.back().title, "Operation Aborted") << damaged;
  }

  drives.saveFails = true;
  Click(1, "docs");
  Choose("readme.txt", "mnuCopy");
  EXPECT_EQ(ws.messages.back().text,
            "Unable to write '" + handOver + "': nothing has been copied.");
}

TEST_F(FileCommands, FolderCommandsActOnTheCurrentFolderAndTheShellIsNeverAskedForNothing) {
  Choose("readme.txt", "mnuFileProperties");
  for (const char* command : {"mnuExplore", "mnuFolderProperties", "mnuFolderRecycleBin"})
    main().ChooseMenu(command);
  EXPECT_EQ(drives.startedPrograms, Entries{"Explorer \"c:\\docs\\\""});
  EXPECT_EQ(drives.shellDialogs,
            (Entries{"Properties c:\\docs\\readme.txt", "Properties c:\\docs\\"}));
  ASSERT_EQ(drives.shellOperations.size(), 1u);
  EXPECT_EQ(drives.shellOperations[0].from, "c:\\docs") << "without its last \\";

  form->CurrentFolder = "c:\\";
  main().ChooseMenu("mnuFolderRecycleBin");
  EXPECT_EQ(ws.messages.back().text, "Please select a valid folder.");
  form->CurrentFolder.clear();
  ws.messages.clear();
  for (const char* command :
       {"mnuExplore", "mnuNewWindow", "mnuFolderRecycleBin", "mnuFolderProperties", "mnuPaste"})
    main().ChooseMenu(command);
  EXPECT_EQ(ws.messages.size(), 5u);
  EXPECT_EQ(drives.shellOperations.size() + drives.shellDialogs.size(), 3u) << "nothing more";
}

TEST_F(FileCommands, ANewWindowStartsFromTheSavedPlaceWhileThisOneStepsAside) {
  const Twips left = main().Left(), top = main().Top();
  main().ChooseMenu("mnuNewWindow");
  EXPECT_EQ(drives.startedPrograms, Entries{"\"" + form->ProgramDir + "Vantiro.exe\""});
  EXPECT_EQ(std::pair(main().Left(), main().Top()), std::pair(left + 500, top + 500));
  const std::string saved = drives.Contents(form->ProgramDir + "Config");
  EXPECT_NE(saved.find(std::to_string(left) + "\r\n" + std::to_string(top) + "\r\n"),
            std::string::npos)
      << "saved before the move:\n"
      << saved;
  drives.startFails = true;
  main().ChooseMenu("mnuNewWindow");
  EXPECT_EQ(ws.messages.back().text,
            "Sorry: Unable to open a new Vantiro! window.\rVantiro.exe : File not found.");
}

TEST_F(FileCommands, WithoutTheShellsDialogOpenWithOffersTheTypesProgramsAndAnyOther) {
  const std::size_t windows = ws.windows.size();
  Choose("readme.txt", "mnuFileOpenWith");
  EXPECT_EQ(drives.shellDialogs, Entries{"Open with c:\\docs\\readme.txt"});
  EXPECT_EQ(ws.windows.size(), windows) << "the shell's dialog, not the program's box";

  drives.shellOpensWith = false;
  std::string shown;
  ws.onModal = [&](fake::FakeWindow& box) { shown = box.Caption(), box.Hide(); };
  main().ChooseMenu("mnuFileOpenWith");
  EXPECT_EQ(shown, "Open with");

  FrmOpenWith box(ws, drives, "c:\\docs\\a & b.txt");
  ws.chosenFiles = {"c:\\tools\\edit.exe"};
  box.cmdBrowse_Click();
  box.cmdOK_Click();
  EXPECT_EQ(drives.startedPrograms, Entries{"\"c:\\tools\\edit.exe\" \"c:\\docs\\a & b.txt\""});
  EXPECT_FALSE(box.window().Visible());
}

}  // namespace
}  // namespace vantiro
