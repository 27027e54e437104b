#include <string>
#include <vector>

#include "tests/unit/browser.h"

namespace vantiro {
namespace {

class MainWindow : public Browser {};

TEST_F(MainWindow, ProgramDirEndsInExactlyOneBackslash) {
  for (auto [current, expected] :
       {std::pair{"c:\\tools\\vantiro", "c:\\tools\\vantiro\\"}, std::pair{"d:\\", "d:\\"}}) {
    drives.SetCurrentDirectory(current);
    Start();
    EXPECT_EQ(form->ProgramDir, expected);
  }
}

TEST_F(MainWindow, AClickBringsBackAWindowLostBeyondTheLeftEdge) {
  drives.MakeFolders("c:\\a");
  Start();
  main().SetLeft(-main().Width() - 1);
  Click(0, "c:");
  EXPECT_EQ(main().Left(), 0);

  main().SetLeft(-main().Width() + 15);  // one pixel still on screen: left alone
  Click(0, "c:");
  EXPECT_EQ(main().Left(), -main().Width() + 15);
}

}  // namespace
}  // namespace vantiro
