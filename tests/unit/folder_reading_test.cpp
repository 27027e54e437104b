// A folder read in the background, on real files: what comes back on the
// window's thread; and the loader that reads, watches and lets go of the
// folders the chain shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "navigation/folder_loader.h"
#include "navigation/folder_reading.h"
#include "tests/doubles/fake_window_system.h"
#include "tests/doubles/temp_drives.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;
using std::chrono::milliseconds;

class Reading : public ::testing::Test {
 protected:
  Reading() { drives.AddDrive('c'); }
  // Starts a reading that records the listing it hands back.
  std::unique_ptr<FolderReading> Start(const std::string& path) {
    // Ten twips a character.
    const MeasureTexts measure = [](const std::vector<std::string>& texts) {
      std::vector<Twips> widths;
      for (const std::string& text : texts) widths.push_back(10 * static_cast<Twips>(text.size()));
      return widths;
    };
    return std::make_unique<FolderReading>(
        ws, drives, path, "*.*", measure,
        FolderReading::Handlers{[](const ReadNames&) {},
                                [this](FolderListing done) { listing = std::move(done); },
                                [this](Entries read) { titles = std::move(read); }});
  }
  void RunUntilDone() {
    while (ws.RunPosted(milliseconds(0))) {
    }
  }

  fake::FakeWindowSystem ws;
  fake::TempDrives drives;
  std::optional<FolderListing> listing;
  Entries titles;
};

TEST_F(Reading, HandsBackTheWholeListingArrangedOnTheWindowsThread) {
  drives.MakeFolders("c:\\f\\Zeta");
  drives.MakeFolders("c:\\f\\alpha");
  drives.MakeFile("c:\\f\\notes.txt");
  drives.MakeFile("c:\\f\\index.html", "<title>Home</title>");
  const auto reading = Start("c:\\f\\");
  RunUntilDone();
  ASSERT_TRUE(listing && listing->readable);
  EXPECT_EQ(listing->folders, (Entries{"alpha", "Zeta"}));
  EXPECT_EQ(titles, Entries{"Home"}) << "after the names";
  EXPECT_EQ(std::pair(listing->foldersWidest, listing->files.widest), std::pair(50, 100));

  listing.reset();
  const auto missing = Start("c:\\gone\\");
  RunUntilDone();
  ASSERT_TRUE(listing);
  EXPECT_FALSE(listing->readable);
}

// The loader on real folders, its jobs run in order by the test: c:\ and
// c:\a\ are shown, c:\a\ being opened.
class Loader : public ::testing::Test, FolderLoader::Listener {
 protected:
  Loader() {
    drives.AddDrive('c');
    drives.MakeFolders("c:\\a\\inner");
    chain.LoadDir0();
    chain.Select(0, 0);
    chain.BeginOpen(0);
    chain.Apply(ListFolder(drives, "c:\\", "*.*"));
    chain.Select(1, 0);
    chain.BeginOpen(1);
  }
  void Batch(const std::string& path, const ReadNames&) override { heard += "batch " + path; }
  void Listed(FolderListing listing) override {
    heard += (listing.readable ? "listed " : "gone ") + listing.path + " ";
  }
  void Titled(const std::string& path, std::vector<std::string> titles) override {
    heard += "titled " + path + " " + std::to_string(titles.size()) + " ";
  }
  void Unwatched(const std::string& path) override { heard += "unwatched " + path; }

  fake::FakeWindowSystem ws;
  fake::TempDrives drives;
  FolderChain chain{drives};
  FolderLoader loader{ws, drives, chain, *this};
  std::string heard;
};

TEST_F(Loader, ReadsWatchesAndLetsGoOfTheFoldersShown) {
  const struct {
    const char* what;
    std::function<void()> step;
    std::string heard;
  } rows[] = {{"a read", [&] { loader.Read("c:\\a\\"); }, "listed c:\\a\\ "},
              {"read again while read, twice: once more after",
               [&] {
                 loader.Read("c:\\a\\");
                 loader.ReadAgain("c:\\a\\");
                 loader.ReadAgain("c:\\a\\");
               },
               "listed c:\\a\\ listed c:\\a\\ "},
              {"names, then titles; titles of a reading replaced never come",
               [&] {
                 drives.MakeFile("c:\\a\\page.html");
                 loader.Read("c:\\a\\");
                 ws.RunPosted(milliseconds(0));  // the reading
                 ws.RunPosted(milliseconds(0));  // its listing
                 loader.ReadAgain("c:\\a\\");
               },
               "listed c:\\a\\ listed c:\\a\\ titled c:\\a\\ 1 "},
              {"a folder not shown is not read", [&] { loader.ReadAgain("c:\\a\\inner\\"); }, ""},
              {"the folders shown are watched, but the one being opened",
               [&] {
                 loader.FollowShown("c:\\a\\");
                 drives.Changed("c:\\");
                 drives.Changed("c:\\a\\");
               },
               "listed c:\\ "},
              {"a reading of a folder no longer shown is let go",
               [&] {
                 loader.Read("c:\\a\\");
                 chain.CloseTo(1);
                 loader.FollowShown("");
               },
               ""},
              {"a folder gone",
               [&] {
                 std::filesystem::remove_all(drives.HostPath("c:\\a"));
                 loader.ReadAgain("c:\\");
                 loader.Read("c:\\a\\");
               },
               "listed c:\\ gone c:\\a\\ "}};
  for (const auto& row : rows) {
    row.step();
    while (ws.RunPosted(milliseconds(0))) {
    }
    EXPECT_EQ(std::exchange(heard, ""), row.heard) << row.what;
    EXPECT_FALSE(loader.Busy()) << row.what;
  }
}

}  // namespace
}  // namespace vantiro
