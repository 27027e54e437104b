// The chain of folders on real files, without a window: what opening a
// folder does to the boxes, what box 0 and the file list hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <tuple>

#include "navigation/folder_chain.h"
#include "navigation/names.h"
#include "tests/doubles/temp_drives.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;

class Chain : public ::testing::Test {
 protected:
  Chain() {
    drives.AddDrive('c', "SYSTEM");
    drives.AddDrive('z');
    chain.LoadDir0();
  }
  // Selects an entry by its text, as a click does.
  void Select(int box, const std::string& entry) {
    const Entries& entries = chain.box(box).entries;
    chain.Select(
        box, static_cast<int>(std::find(entries.begin(), entries.end(), entry) - entries.begin()));
  }

  fake::TempDrives drives;
  FolderChain chain{drives};
};

TEST_F(Chain, OpeningAFolderFillsTheNextBoxOrEndsTheChain) {
  drives.AddNotReadyDrive('a');
  drives.MakeFolders("c:\\Full\\sub");
  drives.MakeFolders("c:\\full\\Beta");
  drives.MakeFolders("c:\\empty");
  chain.LoadDir0();
  EXPECT_EQ(chain.box(0).entries, (Entries{"a:", "c: [SYSTEM]", "z:", ""}));
  Select(0, "c: [SYSTEM]");
  EXPECT_EQ(chain.EntryOf(0) + " " + chain.PathOf(0), "c: c:\\");
  const struct {
    int index;
    const char* path;
    DirStatus status;
    int lastBox;
  } rows[] = {{1, "c:\\", DirStatus::Opened, 1},
              {2, "c:\\full\\", DirStatus::Opened, 2},
              {3, "c:\\full\\sub\\", DirStatus::NoSubFolders, 2},
              {2, "c:\\empty\\", DirStatus::NoSubFolders, 1},  // the clicked box ends the chain
              {2, "a:\\", DirStatus::Failed, 1},               // not ready: nothing changes
              {2, "c:\\gone\\", DirStatus::Failed, 1},
              {3, "c:\\", DirStatus::Failed, 1},   // no box can be skipped
              {0, "c:\\", DirStatus::Failed, 1}};  // nor box 0 filled
  for (const auto& row : rows) {
    EXPECT_EQ(chain.Update_Dir(row.index, row.path), row.status) << row.path;
    EXPECT_EQ(chain.LastBox(), row.lastBox) << row.path;
    EXPECT_EQ(chain.CurrentFolder(),
              row.index % 3 == 0 && row.lastBox == 1 ? "c:\\gone\\" : row.path)
        << "the current folder, even when it fails";
  }
  EXPECT_EQ(chain.box(1).entries, (Entries{"empty", "Full"})) << "as on the disk, by name";
  chain.Update_Dir(2, "c:\\Full\\");
  EXPECT_EQ(chain.box(2).entries, (Entries{"Beta", "sub"}));
  Select(2, "Beta");
  EXPECT_EQ(chain.PathOf(2), "c:\\Full\\Beta\\");
  drives.MakeFolders("c:\\c: x");
  chain.Update_Dir(1, "c:\\");
  Select(1, "c: x");
  EXPECT_EQ(chain.PathOf(1), "c:\\c: x\\") << "a label is cut in box 0 only";
}

TEST_F(Chain, BoxZeroKeepsItsFavouritesAfterTheDrivesAndTheSeparator) {
  chain.SetFavorites({"c:\\a\\", "d:\\"});
  chain.AddFavorite("c:\\a\\");
  drives.AddDrive('d');
  chain.LoadDir0();  // the drives are read again, the favourites stay
  EXPECT_EQ(chain.box(0).entries,
            (Entries{"c: [SYSTEM]", "d:", "z:", "", "c:\\a\\", "d:\\", "c:\\a\\"}));
  Select(0, "d:\\");
  EXPECT_EQ(chain.PathOf(0), "d:\\");
  chain.SetFavorites({"c:\\a\\", "d:\\", "c:\\a\\"});
  EXPECT_EQ(chain.box(0).selected, 5) << "the same favourites keep the selection";
  for (const int entry : {1, 3, 7}) EXPECT_FALSE(chain.RemoveFavorite(entry)) << entry;
  EXPECT_TRUE(chain.RemoveFavorite(4));
  EXPECT_EQ(chain.box(0).selected, 4) << "the selection follows its entry";
  EXPECT_TRUE(chain.RemoveFavorite(4));
  EXPECT_EQ(chain.box(0).selected, -1);
  EXPECT_EQ(chain.Favorites().size(), 1u);
}

// Against the plain rule, on names that share long beginnings, end inside
// one another and differ only in case.
TEST(Names, SortByNameOrdersIgnoringCaseThenByTheNamesAsTheyAre) {
  std::mt19937 random(7);
  Entries names(2000);
  for (std::string& name : names) {
    name.assign(random() % 3 * 8 + random() % 3, 'x');
    for (int k = random() % 4; k >= 0; --k) name += "aAbB_[\xC3"[random() % 7];
  }
  Entries expected = names;
  std::ranges::stable_sort(expected, {},
                           [](const std::string& a) { return std::pair(LowerCase(a), a); });
  SortByName(names);
  EXPECT_EQ(names, expected);
}

// HTML files come first as the sorted names come (each on top), then the
// others by name; names of four characters or fewer and folders are left out.
TEST_F(Chain, TheFileListShowsTheFilterMatchesHtmlFirstWithTheirTitles) {
  for (const auto& [name, contents] : std::vector<std::pair<std::string, std::string>>{
           {"a.html", "<title>Alpha</title>"},
           {"b & c %1 ^.htm", "<title>Odd & Sods</title>"},
           {"Gamma.HTM", "no title"},
           {"notes.txt", ""},
           {"run.bat", ""},
           {"x.js", ""},
           {"\xC3\xBC"
            "ber.txt",
            ""}})
    drives.MakeFile("c:\\web\\" + name, contents);
  drives.MakeFolders("c:\\web\\folder.html");
  EXPECT_TRUE(chain.Update_Files("c:\\web\\"));
  EXPECT_EQ(chain.files().entries,
            (Entries{"Gamma.HTM", "b & c %1 ^.htm", "a.html", "notes.txt", "run.bat",
                     "\xC3\xBC"
                     "ber.txt"}));
  EXPECT_EQ(chain.files().titles, (Entries{"", "Odd & Sods", "Alpha"}));
  chain.SetFilter("*.txt");
  chain.SelectFile(0);
  EXPECT_TRUE(chain.Update_Files("c:\\web\\"));
  EXPECT_EQ(chain.files().entries.size(), 2u);
  EXPECT_EQ(chain.files().selected, -1);
  chain.SetFilter("*.none");
  EXPECT_TRUE(chain.Update_Files("c:\\"));
  EXPECT_EQ(chain.files().tag, "c:\\web\\") << "a list without files keeps its folder";
  EXPECT_FALSE(chain.Update_Files("c:\\gone\\"));
  EXPECT_TRUE(chain.files().entries.empty() && chain.files().titles.empty());
}

// Another program changes c:\a\ and c:\a\y\ while they are open.
TEST_F(Chain, AListingReplacesWhatTheChainShowsOfItsFolderSelectionsKeptByName) {
  drives.MakeFolders("c:\\a\\x");
  drives.MakeFile("c:\\a\\y\\one.txt");
  drives.MakeFile("c:\\a\\y\\two.txt");
  for (const auto& [box, entry, path] :
       {std::tuple(0, "c: [SYSTEM]", "c:\\"), {1, "a", "c:\\a\\"}}) {
    Select(box, entry);
    chain.Update_Dir(box + 1, path);
  }
  Select(2, "y");
  EXPECT_EQ(chain.Update_Dir(3, "c:\\a\\y\\"), DirStatus::NoSubFolders);
  chain.Update_Files("c:\\a\\y\\");
  chain.SelectFile(1);
  EXPECT_EQ(chain.ShownFolders(), (Entries{"c:\\", "c:\\a\\", "c:\\a\\y\\"}));

  drives.MakeFolders("c:\\a\\w");
  drives.MakeFolders("c:\\a\\y\\sub");
  drives.RemoveFile("c:\\a\\y\\one.txt");
  ChainChange change = chain.Apply(ListFolder(drives, "c:\\a\\", "*.*"));
  EXPECT_EQ(chain.box(2).entries, (Entries{"w", "x", "y"}));
  EXPECT_EQ(std::tuple(chain.EntryOf(2), change.boxes, change.lost),
            std::tuple("y", std::vector{2}, -1));
  change = chain.Apply(ListFolder(drives, "c:\\a\\y\\", "*.*"));
  EXPECT_EQ(chain.files().entries, Entries{"two.txt"});
  EXPECT_EQ(chain.files().selected, 0);
  EXPECT_TRUE(change.files && change.length);
  EXPECT_EQ(chain.box(chain.LastBox()).entries, Entries{"sub"}) << "a first sub-folder adds a box";

  std::filesystem::remove_all(drives.HostPath("c:\\a\\y"));
  change = chain.Apply(ListFolder(drives, "c:\\a\\", "*.*"));
  EXPECT_EQ(std::pair(change.lost, change.lostPath), std::pair(2, std::string("c:\\a\\y\\")));
  chain.CloseTo(2);
  EXPECT_EQ(chain.ShownFolders(), (Entries{"c:\\", "c:\\a\\"}));
  EXPECT_EQ(chain.CurrentFolder(), "c:\\a\\");

  chain.SetFilter("*.txt");  // rows read so far show as the whole listing will
  Select(2, "x");
  chain.BeginOpen(2);
  change = chain.AddRead("c:\\a\\x\\", {{"sub"}, {"b.txt", "c.bmp", ".txt"}});
  EXPECT_EQ(std::tuple(chain.box(3).entries, chain.files().entries, change.length),
            std::tuple(Entries{"sub"}, Entries{"b.txt"}, true));
}

}  // namespace
}  // namespace vantiro
