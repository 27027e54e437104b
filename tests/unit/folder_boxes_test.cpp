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
  const struct {
    int index;
    const char* path;
    DirStatus status;
    int lastBox, lastLoadedBox;
  } rows[] = {{1, "c:\\", DirStatus::Opened, 1, 1},
              {2, "c:\\full\\", DirStatus::Opened, 2, 2},
              {3, "c:\\full\\sub\\", DirStatus::NoSubFolders, 2, 2},  // no box was created
              {2, "c:\\empty\\", DirStatus::NoSubFolders, 1, 2},      // the clicked box is active
              {2, "a:\\", DirStatus::Failed, 1, 2},                   // not ready
              {2, "c:\\gone\\", DirStatus::Failed, 1, 2},
              {7, "c:\\", DirStatus::Failed, 1, 2}};  // no box can be skipped
  for (const auto& row : rows) {
    EXPECT_EQ(form->Update_Dir(row.index, row.path), row.status) << row.path;
    EXPECT_EQ(std::pair(form->LastBox, form->LastLoadedBox),
              std::pair(row.lastBox, row.lastLoadedBox))
        << row.path;
  }
  EXPECT_EQ(box(1).Width(), 1800);
  EXPECT_EQ(box(2).Items(), (Entries{"sub"})) << "box 2 keeps its stale entries";
  EXPECT_FALSE(box(2).Visible()) << "but beyond the active box it is not seen";
}

TEST_F(FolderBoxes, TheSeparatorAndRefreshStartAgainFromBoxZero) {
  drives.MakeFolders("c:\\a\\b");
  Start();
  Click(0, "c:");
  Click(1, "a");
  Click(0, "");
  EXPECT_EQ(std::pair(form->LastBox, form->LastLoadedBox), std::pair(0, 2)) << "kept for reuse";
  EXPECT_EQ(main().Caption(), "Vantiro!");
  EXPECT_EQ(form->CurrentFolder, "c:\\a\\") << "the current folder is kept";

  Click(0, "c:");
  drives.AddDrive('d');
  main().ChooseMenu("mnuRememberPath");  // off: the refresh opens nothing again
  main().ChooseMenu("mnuRefresh");
  EXPECT_EQ(std::pair(form->DirCount(), form->LastLoadedBox), std::pair(1, 0));
  EXPECT_EQ(main().listBoxes().size(), 2u) << "the file list and a new box 0";
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "d:", "z:", ""})) << "re-read from the disk";
  EXPECT_TRUE(box(0).Visible());
  EXPECT_EQ(main().Width(), fake::kFrameWidth + 1800);
  EXPECT_EQ(main().ClientHeight(), box(0).Height());
}

TEST_F(FolderBoxes, HorizontalExtentIsTheWidestEntryInTwipsOver14) {
  drives.MakeFolders("c:\\wide");
  drives.MakeFolders("c:\\half");
  drives.MakeFile("c:\\notes.txt");
  ws.textWidths = {{"notes.txt", 2800}, {"half", 700}};
  Start();
  // 1400 / 14 = 100; halves round to even: 100.5 -> 100, 101.5 -> 102.
  for (auto [wide, extent] : {std::pair{1400, 100}, {1407, 100}, {1421, 102}}) {
    ws.textWidths["wide"] = wide;
    Click(0, "c:");
    EXPECT_EQ(box(1).horizontalExtent(), extent) << wide;
  }
  EXPECT_EQ(files().horizontalExtent(), 200) << "the file list too";
  box(1).Clear();
  form->SetHorizontalExtent(1);
  EXPECT_EQ(box(1).horizontalExtent(), 0) << "an empty box";
}

}  // namespace
}  // namespace vantiro
