// The configuration and favourites files: how they read, what the program
// writes, what a restart brings back, and what damaged files do.
#include <filesystem>
#include <functional>
#include <sstream>

#include "settings/config.h"
#include "settings/favorites.h"
#include "tests/unit/main_window.h"

namespace vantiro {
namespace {

using namespace std::string_literals;

using Entries = std::vector<std::string>;

const std::string kConfig = std::string(kProgramDir) + "Config";
const std::string kFavorites = std::string(kProgramDir) + "Favorites";
// A window height that shows whole rows, which the layout keeps as it is.
constexpr Twips kHeight = fake::kFrameHeight + 2 * fake::kListBorder + 20 * fake::kRowHeight;

// The twelve lines before the path, as the program writes them.
std::string Twelve(std::string_view remember, std::string_view topMost = "#FALSE#") {
  std::ostringstream text;
  text << "1500\r\n2100\r\n-2147483628\r\n255\r\n9999\r\n"
       << kHeight << "\r\n150\r\n300\r\n"
       << remember << "\r\n#TRUE#\r\n#FALSE#\r\n"
       << topMost << "\r\n";
  return text.str();
}

Entries Lines(const std::string& text) {
  Entries lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
  return lines;
}

// Each value read is in force, the ones after the first damage are not; a
// width comes into the dialog's range; a system colour is stored negative.
TEST(ConfigFile, ReadsTheValuesInOrderUntilTheFirstItCannot) {
  const std::string good = Twelve("#FALSE#");
  const struct {
    std::string text;
    bool read;
    std::int16_t boxesWidth, activeBoxWidth;
  } rows[] = {
      {good, true, 1500, 2100},
      {Twelve("#TRUE#"), false, 1500, 2100},  // the path is remembered but missing
      {"", false, 1200, 1800},
      {"40000\r\n" + good.substr(6), false, 1200, 1800},
      {"-5\r\n32767\r\n" + good.substr(12), true, 300, 4500},
      {good.substr(0, 36) + "0" + good.substr(good.find("\r\n150")), true, 1500, 2100},
      {good.substr(0, 36) + "-15" + good.substr(good.find("\r\n150")), false, 1500, 2100},
      {good.substr(0, 36) + "491520" + good.substr(good.find("\r\n150")), false, 1500, 2100},
      {std::string("\x7f"
                   "ELF\0\x01\xff",
                   7),
       false, 1200, 1800},
      {"1500\r\n2100\r\n\"white\"\r\n", false, 1500, 2100},
      {good.substr(0, good.find("#FALSE#")) + "yes\r\n", false, 1500, 2100}};
  for (const auto& row : rows) {
    Config config;
    EXPECT_EQ(ReadConfig(row.text, config), row.read) << row.text;
    EXPECT_EQ(std::pair(config.appearance.boxesWidth, config.appearance.activeBoxWidth),
              std::pair(row.boxesWidth, row.activeBoxWidth))
        << row.text;
  }
  Config config;
  ReadConfig(good, config);
  EXPECT_EQ(config.appearance.foldersBackColor, 0x80000014u);
  EXPECT_EQ(std::vector<Twips>({config.height, config.left, config.top}),
            (std::vector<Twips>{kHeight, 150, 300}));
  EXPECT_FALSE(config.options.rememberPath || config.options.autoPlay);
  EXPECT_TRUE(config.options.animation);
  // The option to show file details comes last, after the chain; a file
  // from before it, or one that ends sooner, leaves it on.
  const std::string chain = good + "0\r\n\"\"\r\n";
  for (const auto& [text, details] :
       {std::pair{chain + "#FALSE#", false}, {chain, true}, {Twelve("#FALSE#", "#FALSE#"), true}}) {
    Config read;
    ReadConfig(text, read);
    EXPECT_EQ(read.options.fileDetails, details) << text;
  }
}

// Every line to the end is a favourite, quoted or not; a line that is no
// path is passed over, and the reading stops at the first byte that is no
// text or a line longer than a path: the file is then not read whole.
TEST(FavoritesFile, ReadsEveryPathToTheEndOfTheFile) {
  using namespace std::string_literals;
  fake::TempDrives drives;
  drives.AddDrive('c');
  SettingsFiles files(drives);
  files.SetProgramDir("c:\\vantiro");
  const std::tuple<std::string, Entries, bool> rows[] = {
      // the bytes, the favourites, whole
      {"\"c:\\temp\\\"\r\n\r\n\"d:\\\"\r\n\"c:\\temp\\\"\nc:\\bare\\ \r\n\"x:\\\"",
       {"c:\\temp\\", "d:\\", "c:\\temp\\", "c:\\bare\\", "x:\\"},
       true},
      {"\xEF\xBB\xBF\"c:\\a\\\"\r\n", {"c:\\a\\"}, true},      // a byte-order mark
      {"\"c:\\caf\xE9\\\"\r\n", {"c:\\caf\xC3\xA9\\"}, true},  // an older installation's
      {"\"c:\\a\\\"\r\n\"d\"e\"\r\n\"d:\\\"", {"c:\\a\\", "d:\\"}, false},
      {"\"c:\\a\\\"\r\n\"d:\\\x01\"\r\n\"e:\\\""s, {"c:\\a\\"}, false},
      {"\"c:\\a\\\"\r\n\"d:\\" + std::string(1 << 17, 'd') + "\\\"\r\n\"e:\\\"",
       {"c:\\a\\"},
       false}};
  for (const auto& [bytes, favorites, whole] : rows) {
    drives.MakeFile(kFavorites, bytes);
    const FavoritesRead read = ReadFavorites(files);
    EXPECT_EQ(std::pair(read.favorites, read.whole), std::pair(favorites, whole)) << bytes;
  }
  std::string big;
  while (big.size() <= 1 << 20) big += "\"c:\\" + std::string(150, 'f') + "\\\"\r\n";
  drives.MakeFile(kFavorites, big);
  EXPECT_TRUE(SaveFavorites(files, ReadFavorites(files).favorites));
  EXPECT_EQ(drives.Contents(kFavorites), big) << "over 1 MiB, written back whole";
  drives.MakeFile(kFavorites, "\"c:\\caf\xE9\\\"\r\n");
  EXPECT_TRUE(SaveFavorites(files, ReadFavorites(files).favorites));
  EXPECT_EQ(drives.Contents(kFavorites), "\"c:\\caf\xC3\xA9\\\"\r\n") << "saved as UTF-8";
  const int saves = drives.saves;
  EXPECT_TRUE(SaveFavorites(files, ReadFavorites(files).favorites));
  EXPECT_EQ(drives.saves, saves) << "a file that holds them already is not written again";
}

// The folders c:\a\b\c, with notes.txt and photo.bmp in c:\a\b\.
class Settings : public MainWindowTest {
 protected:
  Settings() {
    drives.MakeFolders("c:\\a\\b\\c");
    drives.MakeFile("c:\\a\\b\\notes.txt");
    drives.MakeFile("c:\\a\\b\\photo.bmp");
  }
  // Ends the program as the close box does and starts it again; meanwhile
  // runs while it is stopped.
  void Restart(const std::function<void()>& meanwhile = [] {}) {
    main().Close();
    form.reset();
    meanwhile();
    ws.messages.clear();
    Launch();
  }
  void OpenB() {
    Click(0, "c:");
    Click(1, "a");
    Click(2, "b");
  }
};

TEST_F(Settings, ExitWritesEveryValueLineByLine) {
  drives.MakeFile(kConfig, "1500\r\n");  // damaged after the first value, which is kept
  Start();
  main().ChooseMenu("mnuAnimation");
  main().ChooseMenu("mnuFileDetails");
  OpenB();
  ClickFile("photo.bmp");
  const std::string width = std::to_string(main().Width());
  const std::string height = std::to_string(main().Height());
  main().ChooseMenu("mnuReduce");  // the normal height is saved
  main().Close();
  EXPECT_EQ(
      Lines(drives.Contents(kConfig)),
      (Entries{"1500", "1800", "16777215", "-2147483628", width, height, "450", "600", "#TRUE#",
               "#TRUE#", "#FALSE#", "#FALSE#", "3", "\"c:\\a\\b\\\"",
               // box 0 .. 3, then the file list: index, text, tag
               "0", "\"c:\"", "\"\"", "0", "\"a\"", "\"c:\\\"", "0", "\"b\"", "\"c:\\a\\\"", "-1",
               "\"\"", "\"c:\\a\\b\\\"", "1", "\"photo.bmp\"", "\"c:\\a\\b\\\"", "#FALSE#"}));
  EXPECT_EQ(drives.Contents(kFavorites), "") << "saved too, empty";
}

TEST_F(Settings, ARestartBringsBackTheValuesTheFoldersAndTheFile) {
  Start();
  main().SetHeight(kHeight);
  main().SetLeft(-30);
  main().ChooseMenu("mnuAutoPlay");
  OpenB();
  ClickFile("photo.bmp");
  Restart();
  EXPECT_TRUE(ws.messages.empty());
  EXPECT_EQ(std::pair(main().Left(), main().Height()), std::pair(-30, kHeight));
  EXPECT_TRUE(main().MenuChecked("mnuAutoPlay"));
  EXPECT_EQ(std::pair(chain().LastBox(), box(3).Selected()), std::pair(3, -1));
  EXPECT_EQ(chain().SelectedFilePath(), "c:\\a\\b\\photo.bmp");
  EXPECT_EQ(files().Selected(), 1);
  // "a" became "A": its row still reads "a", as a file from before names were kept holds.
  Restart([this] {
    const std::filesystem::path a = drives.HostPath("c:\\a");
    std::filesystem::rename(a, a.parent_path() / "A");
  });
  EXPECT_EQ(chain().CurrentFolder(), "c:\\A\\b\\");

  Restart([this] { drives.MakeFile(kConfig, Twelve("#FALSE#", "#TRUE#")); });
  EXPECT_EQ(box(0).backColor(), 0x80000014u) << "box 0 takes the colour read";
  EXPECT_TRUE(main().MenuChecked("mnuTopMost") && main().topMostCalls().back());
  EXPECT_EQ(chain().LastBox(), 0) << "the path is not remembered";
  Restart([this] { drives.MakeFile(kConfig, "1500\r\n2100\r\n0\r\n0\r\n0\r\n-99999999\r\n"); });
  EXPECT_EQ(ws.messages.size(), 3u) << "a damaged file is set aside and greets as a first run";
}

// The window shows box 0 at once and each remembered folder as it is read;
// a close meanwhile keeps the whole chain, and a click ends the restore.
TEST_F(Settings, TheRememberedChainComesAsItIsRead) {
  const auto restart = [this] {
    main().Close();
    form = std::make_unique<Form1>(ws, ws, drives, ws);
    form->Start();
  };
  Start();
  OpenB();
  restart();
  EXPECT_EQ(std::pair(chain().LastBox(), chain().CurrentFolder()), std::pair(0, "c:\\"s));
  restart();
  Settle();
  EXPECT_EQ(chain().CurrentFolder(), "c:\\a\\b\\");
  restart();
  Click(0, "c:");
  EXPECT_EQ(std::pair(chain().LastBox(), chain().box(1).selected), std::pair(1, -1));
}

TEST_F(Settings, StartUpFixesAWindowFarLeft) {
  std::string config = Twelve("#FALSE#");
  config.replace(config.find("\r\n150\r\n"), 7, "\r\n-99999\r\n");
  drives.MakeFile(kConfig, config);
  Launch();
  EXPECT_EQ(main().Left(), 0);
  main().SetLeft(-99999);
  Click(0, "c:");
  EXPECT_EQ(main().Left(), 0) << "and so does a click";
}

// A damaged path section restores the levels before the damage, and never
// greets: a renamed folder, an entry beyond its list, a file cut anywhere.
TEST_F(Settings, ADamagedPathSectionRestoresWhatItCan) {
  Start();
  OpenB();
  Restart([this] {
    std::filesystem::rename(drives.HostPath("c:\\a\\b"), drives.HostPath("c:\\a") / "renamed");
  });
  EXPECT_EQ(std::pair(chain().LastBox(), box(2).Selected()), std::pair(2, -1));
  EXPECT_EQ(box(2).Items(), (Entries{"renamed"}));

  const Entries lines = Lines(drives.Contents(kConfig));
  for (std::size_t kept = 13; kept < lines.size(); ++kept) {
    std::string cut;
    for (std::size_t i = 0; i < kept; ++i) cut += lines[i] + "\n";  // LF alone is read too
    Restart([&] { drives.MakeFile(kConfig, cut); });
    EXPECT_TRUE(ws.messages.empty()) << kept << " lines";
    EXPECT_EQ(chain().LastBox(), kept >= 19 ? 2 : kept >= 16 ? 1 : 0) << kept << " lines";
  }
  Restart([this] {
    drives.MakeFile(kConfig, Twelve("#TRUE#") + "0\r\n\"c:\\\"\r\n99\r\n\"\"\r\n\"\"\r\n");
  });
  EXPECT_EQ(box(0).Selected(), -1) << "an entry beyond the list";
}

// The first failure also says, once, that the settings will not be kept.
TEST_F(Settings, AFailedSaveBeepsKeepsTheOldFilesAndLosesNothingThisRun) {
  Start();
  main().Close();
  const std::string old = drives.Contents(kConfig);
  drives.MakeFile(kFavorites, "\"c:\\a\\\"\r\n");
  Start();
  Click(0, "c:");
  Click(1, "a");
  main().ChooseMenu("mnuAdd");
  drives.saveFails = true;
  const int beeps = ws.beeps;
  main().ChooseMenu("mnuRefresh");
  Settle();
  EXPECT_EQ(ws.beeps, beeps + 1);
  EXPECT_EQ(drives.Contents(kConfig), old);
  EXPECT_EQ(drives.Contents(kFavorites), "\"c:\\a\\\"\r\n") << "the favourites are skipped";
  EXPECT_EQ(chain().LastBox(), 2) << "the refresh still opens the folders again";
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "z:", "", "c:\\a\\", "c:\\a\\"}));
  main().Close();
  EXPECT_EQ(ws.beeps, beeps + 2);
  EXPECT_EQ(
      std::ranges::count_if(ws.messages, [](auto& m) { return m.text.starts_with("Vantiro!"); }),
      1);
  EXPECT_EQ(said(), "Vantiro! cannot write its settings in 'c:\\vantiro\\': the options, the " +
                        "folders and the favourites of this run will not be kept."s);
}

// A settings file that cannot be read whole is set aside under the first
// backup name not taken before it is written, and the user is told once
// where it went.
TEST_F(Settings, AFileNotReadWholeIsSetAsideUnderANameNotTaken) {
  const std::string favorites = "\"c:\\a\\\"\r\n\x01\x02\r\n", config = "1200\r\n\x01\r\n";
  drives.MakeFile(kFavorites, favorites);
  drives.MakeFile(kFavorites + ".bak", "the user's");
  drives.MakeFile(kConfig, config);
  Launch();
  main().ChooseMenu("mnuRefresh");
  Settle();
  EXPECT_EQ(std::ranges::count_if(ws.messages, [](auto& m) { return m.text.starts_with("Part"); }),
            2)
      << "once for each file";
  EXPECT_TRUE(ws.messages[0].text.ends_with("kept as 'c:\\vantiro\\Favorites (2).bak'."));
  EXPECT_EQ(
      std::tuple(drives.Contents(kFavorites + ".bak"), drives.Contents(kFavorites + " (2).bak"),
                 drives.Contents(kConfig + ".bak"), drives.Contents(kFavorites)),
      std::tuple("the user's", favorites, config, "\"c:\\a\\\"\r\n"));
}

// 4 GiB of zero bytes after a favourite cost no more to read than the
// favourite, at the start and at the close.
TEST_F(Settings, AHugeDamagedFileIsReadOnlyAsFarAsItIsText) {
  drives.MakeFile(kConfig, Twelve("#FALSE#"));
  drives.MakeFile(kFavorites, "\"c:\\a\\\"\r\n");
  std::filesystem::resize_file(drives.HostPath(kFavorites), 4ull << 30);
  Launch();
  main().Close();
  EXPECT_LT(drives.bytesRead, 1u << 20);
  EXPECT_EQ(drives.Contents(kFavorites), "\"c:\\a\\\"\r\n");
  EXPECT_EQ(std::filesystem::file_size(drives.HostPath(kFavorites + ".bak")), 4ull << 30);
}

TEST_F(Settings, ResetAllDeletesTheConfigurationAndStartsAFreshCopy) {
  Start();
  drives.MakeFile(kFavorites, "\"c:\\a\\\"\r\n");
  drives.startFails = true;
  main().ChooseMenu("mnuReset");
  EXPECT_EQ(said(), "Sorry: Unable to reset Vantiro!.");
  drives.startFails = false;
  main().ChooseMenu("mnuReset");
  EXPECT_FALSE(std::filesystem::exists(drives.HostPath(kConfig)));
  EXPECT_EQ(drives.startedPrograms.back(), "\"c:\\vantiro\\Vantiro.exe\"");
  EXPECT_TRUE(ws.quit);
  EXPECT_EQ(drives.Contents(kFavorites), "\"c:\\a\\\"\r\n") << "favourites untouched";
}

TEST_F(Settings, FavoriteCommandsChangeBoxZeroAndReachTheFileOnSave) {
  Start();
  EXPECT_FALSE(main().MenuEnabled("mnuRemoveFavorites"));
  main().ChooseMenu("mnuAdd");  // FOLDER is hidden until a folder opens
  Click(0, "c:");
  Click(1, "a");
  main().ChooseMenu("mnuAdd");
  main().ChooseMenu("mnuAdd");
  Click(2, "b");
  main().ChooseMenu("mnuAdd");
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "z:", "", "c:\\a\\", "c:\\a\\", "c:\\a\\b\\"}));
  box(0).UserClick(3);
  EXPECT_TRUE(main().MenuEnabled("mnuRemoveFavorites"));
  main().ChooseMenu("mnuRemoveFavorites");
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "z:", "", "c:\\a\\", "c:\\a\\b\\"}));
  main().Close();
  EXPECT_EQ(drives.Contents(kFavorites), "\"c:\\a\\\"\r\n\"c:\\a\\b\\\"\r\n");

  Restart();
  main().ChooseMenu("mnuResetFavorites");
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "z:", ""}));
  main().Close();
  EXPECT_EQ(drives.Contents(kFavorites), "");
  Restart([this] { drives.RemoveFile(kConfig); });
  EXPECT_EQ(box(0).Items().size(), 3u) << "no configuration: no favourites";
}

}  // namespace
}  // namespace vantiro
