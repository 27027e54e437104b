#include <string>
#include <vector>

#include "tests/unit/browser.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;

class FolderBoxes : public Browser {};

TEST_F(FolderBoxes, UpdateDirStatuses) {
  drives.AddNotReadyDrive('a');
  drives.MakeFolders("c:\\full\\sub");
  drives.MakeFolders("c:\\empty");
  Start();

  EXPECT_EQ(form->Update_Dir(1, "c:\\"), DirStatus::Opened);
  EXPECT_EQ(form->LastBox, 1);
  EXPECT_EQ(form->Update_Dir(2, "c:\\full\\"), DirStatus::Opened);
  EXPECT_EQ(form->LastBox, 2);

  EXPECT_EQ(form->Update_Dir(3, "c:\\full\\sub\\"), DirStatus::NoSubFolders) << "no sub-folders";
  EXPECT_EQ(form->LastBox, 2);
  EXPECT_EQ(form->LastLoadedBox, 2) << "no box was created";
  EXPECT_EQ(box(2).Width(), 1800);

  EXPECT_EQ(form->Update_Dir(2, "c:\\empty\\"), DirStatus::NoSubFolders);
  EXPECT_EQ(form->LastBox, 1) << "the box that was clicked is active again";
  EXPECT_EQ(box(1).Width(), 1800);
  EXPECT_EQ(box(2).Items(), (Entries{"sub"})) << "box 2 keeps its stale entries";
  EXPECT_FALSE(box(2).Visible()) << "but beyond the active box it is not seen";

  EXPECT_EQ(form->Update_Dir(2, "a:\\"), DirStatus::Failed) << "a drive that is not ready";
  EXPECT_EQ(form->LastBox, 1);
  EXPECT_EQ(form->CurrentFolder, "a:\\");
  EXPECT_EQ(form->Update_Dir(2, "c:\\gone\\"), DirStatus::Failed) << "a folder that does not exist";
  EXPECT_EQ(form->LastBox, 1);
  EXPECT_EQ(form->Update_Dir(7, "c:\\"), DirStatus::Failed) << "no box can be skipped";
  EXPECT_EQ(form->LastLoadedBox, 2);
  EXPECT_EQ(form->Update_Dir(2, "c:\\full\\"), DirStatus::Opened);
  EXPECT_TRUE(box(2).Visible()) << "reused";
}

TEST_F(FolderBoxes, DriveEntryWithALabelOpensTheDriveRoot) {
  drives.AddDrive('d', "DATA");
  drives.MakeFolders("d:\\music");
  Start();
  Click(0, "d: [DATA]");
  EXPECT_EQ(form->DirTag(1), "d:\\");
  EXPECT_EQ(box(1).Items(), (Entries{"music"}));
}

TEST_F(FolderBoxes, TheSeparatorResetsToBoxZeroAlone) {
  drives.MakeFolders("c:\\a\\b");
  Start();
  Click(0, "c:");
  Click(1, "a");
  files().AddItem("left.txt");
  Click(0, "");
  EXPECT_EQ(form->LastBox, 0);
  EXPECT_EQ(form->LastLoadedBox, 2) << "boxes are kept for reuse";
  EXPECT_FALSE(box(1).Visible() || box(2).Visible()) << "out of sight";
  EXPECT_TRUE(box(0).Visible()) << "rebuilt out of sight, then shown";
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "z:", ""}));
  EXPECT_EQ(files().Count(), 0);
  EXPECT_EQ(main().Width(), fake::kFrameWidth + 1800);
  EXPECT_EQ(main().Caption(), "Vantiro!");
  EXPECT_FALSE(main().MenuEnabled("mnuRemoveFavorites"));
  EXPECT_EQ(form->CurrentFolder, "c:\\a\\") << "the current folder is kept";
}

TEST_F(FolderBoxes, IsFolderOkAsksForAFolderUntilOneWasOpened) {
  drives.MakeFolders("c:\\a");
  Start();
  EXPECT_EQ(form->IsFolderOk(), 7);
  ASSERT_EQ(ws.messages.size(), 1u);
  EXPECT_EQ(ws.messages[0].text, "Please select a valid folder...");
  EXPECT_EQ(ws.messages[0].style, msgbox::kOkOnly | msgbox::kInformation);
  EXPECT_EQ(ws.messages[0].title, "Vantiro! v2.10");

  Click(0, "c:");
  Click(0, "");
  EXPECT_EQ(form->IsFolderOk(), 6) << "after a reset the last folder still counts";
  EXPECT_EQ(ws.messages.size(), 1u);
}

TEST_F(FolderBoxes, RefreshDestroysEveryBoxAndStartsAgainFromBoxZero) {
  drives.MakeFolders("c:\\a\\b");
  Start();
  Click(0, "c:");
  Click(1, "a");
  drives.AddDrive('d');
  main().ChooseMenu("mnuRememberPath");  // off: the refresh opens nothing again
  main().ChooseMenu("mnuRefresh");
  EXPECT_EQ(form->DirCount(), 1);
  EXPECT_EQ(form->LastLoadedBox, 0);
  EXPECT_EQ(form->LastBox, 0);
  EXPECT_EQ(main().listBoxes().size(), 2u) << "the file list and a new box 0";
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "d:", "z:", ""})) << "re-read from the disk";
  EXPECT_TRUE(box(0).Visible());
  EXPECT_EQ(main().Width(), fake::kFrameWidth + 1800);
  EXPECT_TRUE(WholeRows(box(0).Height()));
  EXPECT_EQ(main().ClientHeight(), box(0).Height());
}

TEST_F(FolderBoxes, HorizontalExtentIsTheWidestEntryInTwipsOver14) {
  drives.MakeFolders("c:\\short");
  drives.MakeFolders("c:\\wide");
  drives.MakeFolders("c:\\half");
  drives.MakeFile("c:\\notes.txt");
  ws.textWidths["notes.txt"] = 2800;
  Start();
  struct Row {
    Twips wide;
    int extent;
  };
  // 1400 / 14 = 100; halves round to even: 100.5 -> 100, 101.5 -> 102.
  for (Row row : {Row{1400, 100}, Row{1407, 100}, Row{1421, 102}}) {
    ws.textWidths["wide"] = row.wide;
    ws.textWidths["half"] = 700;
    Click(0, "c:");
    EXPECT_EQ(box(1).horizontalExtent(), row.extent) << row.wide;
  }
  EXPECT_EQ(files().horizontalExtent(), 200) << "the file list too";
  box(1).Clear();
  form->SetHorizontalExtent(1);
  EXPECT_EQ(box(1).horizontalExtent(), 0) << "an empty box";
}

TEST_F(FolderBoxes, Box0ExtentFollowsItsFavouritesAcrossRebuilds) {
  drives.MakeFolders("c:\\wide");
  Start();
  ws.textWidths["c:\\wide\\"] = 2800;
  const int drivesOnly = box(0).horizontalExtent();
  Click(0, "c:");
  Click(1, "wide");
  form->mnuAdd_Click();
  EXPECT_EQ(box(0).horizontalExtent(), 200);
  ws.textWidths["c:\\wide\\"] = 4200;
  form->ResetCurrentDir();
  EXPECT_EQ(box(0).horizontalExtent(), 200) << "the same favourites, not measured again";
  form->mnuResetFavorites_Click();
  EXPECT_EQ(box(0).horizontalExtent(), drivesOnly);
}

}  // namespace
}  // namespace vantiro
