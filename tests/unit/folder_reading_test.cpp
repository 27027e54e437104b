// The loader on real files: what it reads in the background comes back on
// the window's thread, arranged; it reads, watches and lets go of the
// folders the chain shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "chain/folder_loader.h"
#include "tests/doubles/fake_window_system.h"
#include "tests/doubles/folder_read.h"
#include "tests/doubles/temp_drives.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;
using std::chrono::milliseconds;

// Its jobs run in order by the test: c:\ and c:\a\ are shown, c:\a\ being
// opened. Names measure ten twips a character.
class Loader : public ::testing::Test, FolderLoader::Listener {
 protected:
  Loader() {
    drives.AddDrive('c');
    drives.MakeFolders("c:\\a\\Zeta");
    drives.MakeFolders("c:\\a\\alpha");
    chain.LoadDir0();
    chain.Select(0, 0);
    chain.BeginOpen(0);
    chain.Apply(fake::ReadFolder(drives, "c:\\", "*.*"));
    chain.Select(1, 0);
    chain.BeginOpen(1);
    loader.Listen(this);
  }
  void Batch(const std::string& path, const ReadNames&) override { heard += "batch " + path; }
  // "listed <path> <folders> <widest folder>/<widest file>"
  void Listed(FolderListing listing) override {
    heard += (listing.readable ? "listed " : "gone ") + listing.path + " ";
    if (!listing.readable) return;
    for (const std::string& folder : listing.folders) heard += folder + ",";
    heard += " " + std::to_string(listing.foldersWidest) + "/" +
             std::to_string(listing.files.widest) + " ";
  }
  void Titled(const std::string& path, std::vector<std::string> titles) override {
    heard += "titled " + path + " " + titles.at(0) + " ";
  }
  void Unwatched(const std::string& path) override { heard += "unwatched " + path; }
  void Removed(const std::string& path) override { heard += "removed " + path; }

  fake::FakeWindowSystem ws;
  fake::TempDrives drives;
  struct TenTwipsACharacter final : TextMeasure {
    std::vector<Twips> Widths(const std::vector<std::string>& texts) const override {
      std::vector<Twips> widths;
      for (const std::string& text : texts) widths.push_back(10 * static_cast<Twips>(text.size()));
      return widths;
    }
  };
  FolderChain chain{drives, std::make_shared<TenTwipsACharacter>()};
  FolderLoader loader{ws, drives, chain};
  std::string heard;
};

TEST_F(Loader, ReadsWatchesAndLetsGoOfTheFoldersShown) {
  const struct {
    const char* what;
    std::function<void()> step;
    std::string heard;
  } rows[] = {{"a read, sorted by name", [&] { loader.Read("c:\\a\\"); },
               "listed c:\\a\\ alpha,Zeta, 50/0 "},
              {"read again while read, twice: once more after",
               [&] {
                 loader.Read("c:\\a\\");
                 loader.ReadAgain("c:\\a\\");
                 loader.ReadAgain("c:\\a\\");
               },
               "listed c:\\a\\ alpha,Zeta, 50/0 listed c:\\a\\ alpha,Zeta, 50/0 "},
              {"names, then titles; titles of a reading replaced never come",
               [&] {
                 drives.MakeFile("c:\\a\\page.html", "<title>Home</title>");
                 loader.Read("c:\\a\\");
                 ws.RunPosted(milliseconds(0));  // the reading
                 ws.RunPosted(milliseconds(0));  // its listing
                 loader.ReadAgain("c:\\a\\");
               },
               "listed c:\\a\\ alpha,Zeta, 50/90 listed c:\\a\\ alpha,Zeta, 50/90 titled c:\\a\\ "
               "Home "},
              {"a folder not shown is not read", [&] { loader.ReadAgain("c:\\a\\alpha\\"); }, ""},
              {"a folder the program removed is told", [&] { loader.Removed("c:\\a\\"); },
               "removed c:\\a\\"},
              {"the folders shown are watched, but the one being opened",
               [&] {
                 loader.FollowShown("c:\\a\\");
                 drives.Changed("c:\\");
                 drives.Changed("c:\\a\\");
               },
               "listed c:\\ a, 10/0 "},
              {"a reading of a folder no longer shown is let go",
               [&] {
                 loader.Read("c:\\a\\");
                 chain.CloseTo(1);
                 loader.FollowShown("");
               },
               ""},
              {"a folder gone; one read again soon after its last reading waits for its pause",
               [&] {
                 std::filesystem::remove_all(drives.HostPath("c:\\a"));
                 loader.ReadAgain("c:\\");
                 loader.Read("c:\\a\\");
               },
               "gone c:\\a\\ listed c:\\  0/0 "}};
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
