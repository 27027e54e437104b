// The configuration and favourites files: what is written, what a restart
// brings back, and what damaged files do.
#include <filesystem>
#include <functional>
#include <sstream>

#include "tests/unit/browser.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;

constexpr const char* kConfig = "c:\\vantiro\\Config";
constexpr const char* kFavorites = "c:\\vantiro\\Favorites";
// A window height that shows whole rows, which the layout keeps as it is.
constexpr Twips kHeight = fake::kFrameHeight + 2 * fake::kListBorder + 20 * fake::kRowHeight;
constexpr const char* kWelcomeStart = "Welcome to Vantiro!\r\rSince this is the first time";

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

class Settings : public Browser {
 protected:
  Settings() {
    drives.MakeFolders("c:\\vantiro");
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

  int WelcomesShown() const {
    return static_cast<int>(std::count_if(ws.messages.begin(), ws.messages.end(), [](auto& m) {
      return m.text.starts_with(kWelcomeStart);
    }));
  }
};

TEST_F(Settings, ExitWritesEveryValueLineByLine) {
  Start();
  form->BoxesWidth = 1500;
  form->FilesBackColor = 0x80000014;
  main().ChooseMenu("mnuAnimation");
  Click(0, "c:");
  Click(1, "a");
  Click(2, "b");
  ClickFile("photo.bmp");
  const std::string width = std::to_string(main().Width());
  const std::string height = std::to_string(main().Height());
  main().ChooseMenu("mnuReduce");  // the normal height is saved
  main().Close();
  EXPECT_EQ(Lines(drives.Contents(kConfig)),
            (Entries{"1500", "1800", "16777215", "-2147483628", width, height, "450", "600",
                     "#TRUE#", "#TRUE#", "#FALSE#", "#FALSE#", "3", "\"c:\\a\\b\\\"",
                     // box 0 .. 3, then the file list: index, text, tag
                     "0", "\"c:\"", "\"\"", "0", "\"a\"", "\"c:\\\"", "0", "\"b\"", "\"c:\\a\\\"",
                     "-1", "\"\"", "\"c:\\a\\b\\\"", "1", "\"photo.bmp\"", "\"c:\\a\\b\\\""}));
  EXPECT_EQ(drives.Contents(kFavorites), "") << "saved too, empty";
}

TEST_F(Settings, ARestartBringsBackTheValuesTheFoldersAndTheFile) {
  Start();
  form->FoldersBackColor = 0x00C0FFEE;
  main().SetHeight(kHeight);
  main().SetLeft(-30);
  main().ChooseMenu("mnuAutoPlay");
  Click(0, "c:");
  Click(1, "a");
  Click(2, "b");
  ClickFile("photo.bmp");
  Restart();
  EXPECT_TRUE(ws.messages.empty());
  EXPECT_EQ(box(0).backColor(), 0x00C0FFEEu) << "box 0 takes the colour read";
  EXPECT_EQ(std::pair(main().Left(), main().Height()), std::pair(-30, kHeight));
  EXPECT_TRUE(main().MenuChecked("mnuAutoPlay"));
  EXPECT_EQ(std::pair(form->LastBox, box(3).Selected()), std::pair(3, -1));
  EXPECT_EQ(form->CurrentFolder, "c:\\a\\b\\");
  EXPECT_EQ(files().Item(files().Selected()), "photo.bmp");
}

// The twelve values restore; a file that cannot be read before the path is
// a first run, which greets and keeps the values read before the damage.
TEST_F(Settings, TheValuesBeforeThePathRestoreOrGiveAFirstRun) {
  const std::string good = Twelve("#TRUE#");
  const struct {
    std::string config;
    int welcomes;
  } rows[] = {{Twelve("#FALSE#"), 0},
              {good, 1},  // the path is remembered but missing
              {"", 1},
              {"40000\r\n" + good.substr(6), 1},
              {"1500\r\n40000\r\n", 1},
              {std::string("\x7f"
                           "ELF\0\x01\xff",
                           7),
               1},
              {"1500\r\n2100\r\n\"white\"\r\n", 1},
              {"1500\r\n2100\r\n0\r\n0\r\n0\r\n-2147483648\r\n", 1},
              {good.substr(0, good.find("#TRUE#")) + "yes\r\n", 1}};
  drives.MakeFile(kConfig, rows[0].config);
  Launch();
  EXPECT_EQ(form->FoldersBackColor, 0x80000014u) << "a system colour is stored negative";
  EXPECT_EQ(std::pair(main().Top(), main().Height()), std::pair(300, kHeight));
  EXPECT_FALSE(main().MenuChecked("mnuRememberPath"));
  for (const auto& row : rows) {
    Restart([&] { drives.MakeFile(kConfig, row.config); });
    EXPECT_EQ(WelcomesShown(), row.welcomes) << row.config;
    EXPECT_EQ(form->BoxesWidth, row.config.starts_with("1500") ? 1500 : 1200) << row.config;
  }
}

// Widths edited by hand come into the range the size and colours dialog
// offers: at 0 nothing could be clicked, at 32767 the list lies far away.
TEST_F(Settings, StoredWidthsComeIntoTheDialogsRange) {
  drives.MakeFile(kConfig, "-5\r\n32767\r\n" + Twelve("#FALSE#").substr(12));
  Launch();
  EXPECT_EQ(std::pair(form->BoxesWidth, form->ActiveBoxWidth),
            (std::pair<std::int16_t, std::int16_t>(300, 4500)));
}

TEST_F(Settings, StartUpFixesAWindowFarLeftAndMakesItTopMostWhenAsked) {
  std::string config = Twelve("#FALSE#", "#TRUE#");
  config.replace(config.find("\r\n150\r\n"), 7, "\r\n-99999\r\n");
  drives.MakeFile(kConfig, config);
  Launch();
  EXPECT_EQ(main().Left(), 0);
  EXPECT_TRUE(main().MenuChecked("mnuTopMost") && main().topMostCalls().back());
}

// A damaged path section restores the levels before the damage, and never
// greets: a renamed folder, an entry beyond its list, a file cut anywhere.
TEST_F(Settings, ADamagedPathSectionRestoresWhatItCan) {
  Start();
  Click(0, "c:");
  Click(1, "a");
  Click(2, "b");
  Restart([this] {
    std::filesystem::rename(drives.HostPath("c:\\a\\b"), drives.HostPath("c:\\a") / "renamed");
  });
  EXPECT_EQ(std::pair(form->LastBox, box(2).Selected()), std::pair(2, -1));
  EXPECT_EQ(box(2).Items(), (Entries{"renamed"}));

  const Entries lines = Lines(drives.Contents(kConfig));
  for (std::size_t kept = 13; kept < lines.size(); ++kept) {
    std::string cut;
    for (std::size_t i = 0; i < kept; ++i) cut += lines[i] + "\n";  // LF alone is read too
    Restart([&] { drives.MakeFile(kConfig, cut); });
    EXPECT_EQ(WelcomesShown(), 0) << kept << " lines";
    EXPECT_EQ(form->LastBox, kept >= 19 ? 2 : kept >= 16 ? 1 : 0) << kept << " lines";
  }

  Restart([this] {
    drives.MakeFile(
        kConfig,
        Twelve("#TRUE#") + "0\r\n\"c:\\\"\r\n99\r\n\"\"\r\n\"\"\r\n-1\r\n\"\"\r\n\"c:\\a\\\"\r\n");
  });
  EXPECT_EQ(WelcomesShown(), 0);
  EXPECT_EQ(box(0).Selected(), -1);
  EXPECT_EQ(form->FilesTag, "") << "nothing after the missing entry is read";
}

TEST_F(Settings, AFailedSaveBeepsKeepsTheOldFilesAndLosesNothingThisRun) {
  Start();
  main().Close();
  const std::string old = drives.Contents(kConfig);
  drives.MakeFile(kFavorites, "\"c:\\a\\\"\r\n");
  form.reset();
  Start();
  Click(0, "c:");
  Click(1, "a");
  main().ChooseMenu("mnuAdd");
  drives.saveFails = true;
  const int beeps = ws.beeps;
  main().ChooseMenu("mnuRefresh");
  EXPECT_EQ(ws.beeps, beeps + 1);
  EXPECT_EQ(drives.Contents(kConfig), old);
  EXPECT_EQ(drives.Contents(kFavorites), "\"c:\\a\\\"\r\n") << "the favourites are skipped";
  EXPECT_EQ(form->LastBox, 2) << "the refresh still opens the folders again";
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "z:", "", "c:\\a\\", "c:\\a\\"}));
}

TEST_F(Settings, ResetAllDeletesTheConfigurationAndStartsAFreshCopy) {
  Start();
  drives.MakeFile(kFavorites, "\"c:\\a\\\"\r\n");
  drives.startFails = true;
  main().ChooseMenu("mnuReset");
  EXPECT_EQ(ws.messages.back().text, "Sorry: Unable to reset Vantiro!.");
  drives.startFails = false;
  main().ChooseMenu("mnuReset");
  EXPECT_FALSE(std::filesystem::exists(drives.HostPath(kConfig)));
  EXPECT_EQ(drives.startedPrograms.back(), "\"c:\\vantiro\\Vantiro.exe\"");
  EXPECT_TRUE(ws.quit);
  EXPECT_EQ(drives.Contents(kFavorites), "\"c:\\a\\\"\r\n") << "favourites untouched";
}

TEST_F(Settings, FavoritesLoadInOrderAfterTheSeparator) {
  drives.MakeFile(kConfig, Twelve("#FALSE#"));
  drives.MakeFile(kFavorites,
                  "\"c:\\temp\\\"\r\n\r\n\"d:\\\"\r\n\"c:\\temp\\\"\nnot quoted\r\n\"x:\\\"");
  Launch();
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "z:", "", "c:\\temp\\", "d:\\", "c:\\temp\\"}))
      << "duplicates kept, blank lines passed over, reading stops at the unquoted line";
  EXPECT_EQ(box(0).batchFills(), 2) << "the drives, then all the favourites at once";
  Click(0, "");  // back to box 0: the favourites are saved and read again
  const int saves = drives.saves;
  Click(0, "");
  EXPECT_EQ(drives.saves, saves) << "a file that holds them already is not written again";

  Restart([this] { drives.MakeFile(kFavorites, "\"c:\\caf\xE9\\\"\r\n"); });
  EXPECT_EQ(box(0).Item(3), "c:\\caf\xC3\xA9\\") << "an older installation's Windows-1252";
  main().Close();
  EXPECT_EQ(drives.Contents(kFavorites), "\"c:\\caf\xC3\xA9\\\"\r\n") << "saved as UTF-8";

  Restart([this] { drives.RemoveFile(kConfig); });
  EXPECT_EQ(box(0).Count(), 3) << "no configuration: no favourites";
}

TEST_F(Settings, FavoriteCommandsChangeBoxZeroAndReachTheFileOnSave) {
  Start();
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
  main().ChooseMenu("mnuResetFavorites");
  EXPECT_EQ(box(0).Count(), 3) << "nothing more to remove";
  main().Close();
  EXPECT_EQ(drives.Contents(kFavorites), "");
}

TEST_F(Settings, AFailingFavoriteCancelledIsGoneFromTheFileToo) {
  drives.MakeFile(kConfig, Twelve("#FALSE#"));
  drives.MakeFile(kFavorites, "\"c:\\gone\\\"\r\n\"c:\\a\\\"\r\n");
  Launch();
  Click(0, "c:\\gone\\");
  EXPECT_EQ(ws.messages.back().style, msgbox::kRetryCancel | msgbox::kExclamation);
  EXPECT_EQ(drives.Contents(kFavorites), "\"c:\\a\\\"\r\n");
  EXPECT_EQ(box(0).Items(), (Entries{"c:", "z:", "", "c:\\a\\"}));
}

}  // namespace
}  // namespace vantiro
