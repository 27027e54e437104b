// The chain of folders on real files, without a window: what opening a
// folder does to the boxes, what box 0 and the file list hold.
#include <gtest/gtest.h>

#include <clocale>
#include <cwctype>
#include <filesystem>
#include <random>
#include <tuple>

#include "chain/folder_chain.h"
#include "chain/names.h"
#include "settings/legacy_text.h"
#include "tests/doubles/folder_read.h"
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
  // Opens an entry's folder, as a click does once the folder is read.
  ChainChange Open(int box, const std::string& entry) {
    Select(box, entry);
    chain.BeginOpen(box);
    return chain.Apply(fake::ReadFolder(drives, chain.CurrentFolder(), chain.Filter()));
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
    int box;
    const char* entry;
    int lastBox, lost;
  } rows[] = {{0, "c: [SYSTEM]", 1, -1},
              {1, "Full", 2, -1},
              {2, "sub", 2, -1},  // no sub-folders: the clicked box ends the chain
              {1, "empty", 1, -1},
              {0, "a:", 0, 0}};  // not ready: the box that opened it is told
  for (const auto& row : rows) {
    const ChainChange change = Open(row.box, row.entry);
    EXPECT_EQ(std::pair(chain.LastBox(), change.lost), std::pair(row.lastBox, row.lost))
        << row.entry;
    EXPECT_EQ(chain.CurrentFolder(), chain.PathOf(row.box))
        << "the current folder, even when it fails";
  }
  Open(0, "c: [SYSTEM]");
  EXPECT_EQ(chain.box(1).entries, (Entries{"empty", "Full"})) << "as on the disk, by name";
  Open(1, "Full");
  EXPECT_EQ(chain.box(2).entries, (Entries{"Beta", "sub"}));
  Select(2, "Beta");
  EXPECT_EQ(chain.PathOf(2), "c:\\Full\\Beta\\");
  drives.MakeFolders("c:\\c: x");
  Open(0, "c: [SYSTEM]");
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
  chain.Select(0, 1);
  chain.Select(0, static_cast<int>(chain.box(0).entries.size()));
  EXPECT_EQ(chain.box(0).selected, -1) << "no such entry: none selected";
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

// A word typed, character by character, from the entry selected: case
// ignored in any script; one letter repeated goes round the entries it
// begins unless an entry begins with the whole word.
TEST(Names, TypingFindsTheEntryItsWordBegins) {
  const Entries entries = {"a",     "École", "sa",  "ssh",   "sz",   "Москва",
                           "Ωmega", "日本",  "😀 x", "¡hola", "¿qué", "bad \xC3"};
  const std::tuple<std::u32string, int, int> rows[] = {
      {U"A", -1, 0},  {U"é", -1, 1},  {U"ÉC", 0, 1},      {U"s", 4, 2},
      {U"ss", 2, 3},  {U"sss", 3, 4}, {U"sss", 4, 2},     {U"sx", 2, -1},
      {U"м", -1, 5},  {U"ωM", -1, 6}, {U"日", -1, 7},     {U"😀", -1, 8},
      {U"¿", -1, 10}, {U"q", 1, -1},  {U"bad é", -1, -1}, {U"aa", -1, 0}};
  for (const auto& [word, current, found] : rows) {
    std::string typed;
    for (const char32_t c : word) typed += Utf8Of(c);
    EXPECT_EQ(TypedEntry(entries, typed, current), found) << typed << " from " << current;
  }
  EXPECT_EQ(TypedEntry({"aa", "aab"}, "aa", 0), 0) << "the first entry begins the whole word";
}

// Every character's upper case is the C library's, which follows the same
// Unicode data: the simple mapping, as Windows compares names.
TEST(Names, UpperCaseIsUnicodesSimpleMapping) {
  const std::string old = std::setlocale(LC_CTYPE, nullptr);
  ASSERT_TRUE(std::setlocale(LC_CTYPE, "C.UTF-8"));
  int differ = 0;
  for (char32_t c = 0; c < 0x110000; ++c)
    differ += UpperCase(c) != static_cast<char32_t>(std::towupper(static_cast<wint_t>(c)));
  std::setlocale(LC_CTYPE, old.c_str());
  EXPECT_EQ(differ, 0);
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
  Open(0, "c: [SYSTEM]");
  Open(1, "web");
  EXPECT_EQ(chain.files().entries,
            (Entries{"Gamma.HTM", "b & c %1 ^.htm", "a.html", "notes.txt", "run.bat",
                     "\xC3\xBC"
                     "ber.txt"}));
  EXPECT_TRUE(chain.files().titles.empty()) << "the titles come after the names";
  const auto read = [&](bool stop) {
    return ReadTitles(drives, "c:\\web\\", chain.files().entries, [stop] { return stop; });
  };
  EXPECT_EQ(read(true), std::nullopt);
  std::vector<bool> taken{chain.SetTitles("c:\\", *read(false))};
  for (Entries titles : {Entries{"one"}, Entries{}, Entries{"1", "2", "3", "4"}, *read(false)})
    taken.push_back(chain.SetTitles("c:\\web\\", std::move(titles)));
  EXPECT_EQ(taken, (std::vector<bool>{false, true, false, false, true}))
      << "the first titles, never fewer, never more than the pages";
  EXPECT_EQ(chain.files().titles, (Entries{"", "Odd & Sods", "Alpha"}));
  chain.ClickFile(5, 0);
  drives.MakeFile("c:\\web\\new.txt");
  chain.Apply(fake::ReadFolder(drives, "c:\\web\\", "*.*"));
  EXPECT_EQ(std::pair(chain.files().titles.size(), chain.files().selection.Focus()),
            std::pair(3ul, 6))
      << "the same pages keep their titles, the file its selection";
  chain.SetFilter("*.txt");
  chain.ClickFile(0, 0);
  chain.Apply(fake::ReadFolder(drives, "c:\\web\\", chain.Filter()));
  EXPECT_EQ(std::tuple(chain.files().entries.size(), chain.files().selection.Focus(),
                       chain.files().titles),
            std::tuple(3u, -1, Entries{}));
  chain.SetFilter("*.none");
  Open(0, "c: [SYSTEM]");
  EXPECT_EQ(chain.files().tag, "c:\\web\\") << "a list without files keeps its folder";
}

// Each click of a list of eight rows, with the keys held, and the rows
// selected after it; then the list read again with a file gone and one come.
TEST(FileSelection, ClicksSelectAsExplorerDoesAndTheNamesStayAcrossARead) {
  const struct {
    int row, keys;
    std::vector<int> rows;
    int focus;
  } clicks[] = {{2, 0, {2}, 2},
                {5, kShiftKey, {2, 3, 4, 5}, 5},
                {0, kShiftKey, {0, 1, 2}, 0},  // from the same anchor
                {4, kCtrlKey, {0, 1, 2, 4}, 4},
                {1, kCtrlKey, {0, 2, 4}, 1},
                {6, kCtrlKey | kShiftKey, {0, 1, 2, 3, 4, 5, 6}, 6},  // from row 1
                {8, kCtrlKey, {0, 1, 2, 3, 4, 5, 6}, -1},
                {8, 0, {}, -1},
                {3, kCtrlKey, {3}, 3},
                {6, kShiftKey, {3, 4, 5, 6}, 6},
                {6, kCtrlKey, {3, 4, 5}, 6}};  // the focus stays, unselected
  FileSelection selection;
  for (const auto& click : clicks) {
    selection.Click(click.row, click.keys, 8);
    EXPECT_EQ(std::pair(selection.Rows(), selection.Focus()), std::pair(click.rows, click.focus))
        << click.row << " with " << click.keys;
  }
  EXPECT_EQ(selection.Runs(), (std::vector<RowRun>{{3, 5}}));
  selection.Follow({"a", "b", "c", "d", "e", "f", "g", "h"}, {"0", "a", "b", "c", "d", "f", "g"});
  EXPECT_EQ(std::tuple(selection.Rows(), selection.Focus(), selection.Count()),
            std::tuple(std::vector{4, 5}, 6, std::size_t{2}));
  selection.Click(1, kShiftKey, 7);
  EXPECT_EQ(selection.Runs(), (std::vector<RowRun>{{1, 6}})) << "the range from g's place";
  selection.All(7);
  EXPECT_EQ(std::pair(selection.Count(), selection.Focus()), std::pair(std::size_t{7}, 1));
  FileSelection first;
  first.Click(0, 0, 2);
  first.Follow({"a", "b"}, {"0", "a", "b"});
  EXPECT_EQ(std::pair(first.Rows(), first.Focus()), std::pair(std::vector{1}, 1)) << "a, of row 0";
}

// Another program changes c:\a\ and c:\a\y\ while they are open.
TEST_F(Chain, AListingReplacesWhatTheChainShowsOfItsFolderSelectionsKeptByName) {
  drives.MakeFolders("c:\\a\\x");
  drives.MakeFile("c:\\a\\y\\one.txt");
  drives.MakeFile("c:\\a\\y\\two.txt");
  Open(0, "c: [SYSTEM]");
  Open(1, "a");
  Open(2, "y");
  EXPECT_EQ(chain.LastBox(), 2);
  chain.ClickFile(1, 0);
  EXPECT_EQ(chain.ShownFolders(), (Entries{"c:\\", "c:\\a\\", "c:\\a\\y\\"}));

  drives.MakeFolders("c:\\a\\w");
  drives.MakeFolders("c:\\a\\y\\sub");
  drives.RemoveFile("c:\\a\\y\\one.txt");
  ChainChange change = chain.Apply(fake::ReadFolder(drives, "c:\\a\\", "*.*"));
  EXPECT_EQ(chain.box(2).entries, (Entries{"w", "x", "y"}));
  EXPECT_EQ(std::tuple(chain.EntryOf(2), change.boxes, change.lost),
            std::tuple("y", std::vector{2}, -1));
  change = chain.Apply(fake::ReadFolder(drives, "c:\\a\\y\\", "*.*"));
  EXPECT_EQ(chain.files().entries, Entries{"two.txt"});
  EXPECT_EQ(chain.files().selection.Focus(), 0);
  EXPECT_TRUE(change.files && change.length);
  EXPECT_EQ(chain.box(chain.LastBox()).entries, Entries{"sub"}) << "a first sub-folder adds a box";

  std::filesystem::remove_all(drives.HostPath("c:\\a\\y"));
  change = chain.Apply(fake::ReadFolder(drives, "c:\\a\\", "*.*"));
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
