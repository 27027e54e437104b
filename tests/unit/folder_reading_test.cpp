// A folder read in the background, on real files: what comes back on the
// window's thread, and that nothing does once the reading is cancelled.
#include <gtest/gtest.h>

#include "navigation/folder_reading.h"
#include "tests/doubles/fake_window_system.h"
#include "tests/doubles/temp_drives.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;
using std::chrono::milliseconds;

class Reading : public ::testing::Test {
 protected:
  Reading() {
    drives.AddDrive('c');
    drives.readDelay = milliseconds(1);  // a folder of 200 takes some batches' time
  }
  // Starts a reading that records what reaches the window's thread.
  std::unique_ptr<FolderReading> Start(const std::string& path) {
    // Ten twips a character.
    const MeasureTexts measure = [](const std::vector<std::string>& texts) {
      std::vector<Twips> widths;
      for (const std::string& text : texts) widths.push_back(10 * static_cast<Twips>(text.size()));
      return widths;
    };
    return std::make_unique<FolderReading>(
        ws, drives, path, "*.*", measure,
        FolderReading::Handlers{[this](const ReadNames& batch) {
                                  batches +=
                                      static_cast<int>(batch.folders.size() + batch.files.size());
                                },
                                [this](FolderListing done) { listing = std::move(done); }});
  }
  void RunUntilDone() {
    while (!listing && ws.RunPosted(milliseconds(5000))) {
    }
  }

  fake::FakeWindowSystem ws;
  fake::TempDrives drives;
  int batches = 0;
  std::optional<FolderListing> listing;
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
  EXPECT_EQ(listing->files.titles, Entries{"Home"});
  EXPECT_EQ(std::pair(listing->foldersWidest, listing->files.widest), std::pair(50, 100));

  listing.reset();
  const auto missing = Start("c:\\gone\\");
  RunUntilDone();
  ASSERT_TRUE(listing);
  EXPECT_FALSE(listing->readable);
}

// Batches come on the way (the view's test shows them); after Cancel nothing.
TEST_F(Reading, ShowsNothingOnceCancelled) {
  for (int i = 0; i < 200; ++i) drives.MakeFile("c:\\big\\file" + std::to_string(i) + ".txt");
  const auto cancelled = Start("c:\\big\\");
  while (batches == 0 && ws.RunPosted(milliseconds(5000))) {
  }
  const int shown = batches;
  cancelled->Cancel();
  while (!cancelled->Ended()) ws.RunPosted(milliseconds(10));
  ws.RunPosted(milliseconds(100));
  EXPECT_FALSE(listing) << "a cancelled reading hands back nothing more";
  EXPECT_EQ(batches, shown);
}

}  // namespace
}  // namespace vantiro
