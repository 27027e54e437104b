// The file list and the HTML files window as the window shows them.
#include <string>
#include <vector>

#include "tests/unit/main_window.h"

namespace vantiro {
namespace {

using Entries = std::vector<std::string>;

class FileView : public MainWindowTest {
 protected:
  fake::FakeWindow& html() {
    return static_cast<fake::FakeWindow&>(form->previews().frmHTML().window());
  }
};

TEST_F(FileView, TheHtmlWindowStandsFlushRightNoHigherThanTheMainWindow) {
  drives.MakeFolders("c:\\plain");
  drives.MakeFile("c:\\web\\a.html", "<title>A</title>");
  drives.MakeFile("c:\\web\\b.html", "<title>B</title>");
  Start();
  Click(0, "c:");
  Click(1, "web");
  EXPECT_EQ(titles().Items(), (Entries{"B", "A"}));
  EXPECT_TRUE(html().Visible() && titles().Visible());
  EXPECT_EQ(std::pair(html().Left(), html().Top()),
            std::pair(main().Left() + main().Width(), main().Top()));
  EXPECT_EQ(titles().Height(), fake::kListBorder * 2 + 2 * fake::kRowHeight)
      << "(2 + 1) rows asked, whole rows kept";
  EXPECT_EQ(std::pair(html().ClientWidth(), html().ClientHeight()),
            std::pair(2 * 1800, titles().Height()));
  html().UserResize(html().Width() + 300, html().Height() + 300);
  EXPECT_EQ(std::pair(titles().Width(), html().ClientHeight()),
            std::pair(2 * 1800 + 300, titles().Height()))
      << "the width follows the user, the height the titles";

  for (int i = 0; i < 100; ++i) drives.MakeFile("c:\\web\\p" + std::to_string(i) + ".html");
  Click(1, "plain");
  EXPECT_FALSE(html().Visible()) << "no HTML files";
  Click(1, "web");
  EXPECT_LE(titles().Height(), main().ClientHeight());
  ws.inputAnswers = {"b*"};
  main().ChooseMenu("mnuFilters");
  Settle();
  EXPECT_EQ(files().Items(), Entries{"b.html"}) << "a new filter rebuilds the view";
  main().ChooseMenu("mnuRememberPath");
  main().ChooseMenu("mnuRefresh");
  Settle();
  EXPECT_FALSE(html().Visible()) << "a refresh that opens nothing again leaves no titles";
}

TEST_F(FileView, ATitleStandsForItsFileUnderTheMouse) {
  drives.MakeFile("c:\\b.htm", "<title>B</title>");
  drives.MakeFile("c:\\a.html", "<title>A</title>");
  Start();
  Click(0, "c:");
  Press(titles(), kLeftButton, 1);
  titles().DoubleClick();
  EXPECT_EQ(drives.openedDocuments, std::vector<std::string>{"c:\\a.html"});
  Press(titles(), kRightButton, 2);  // just below the titles
  EXPECT_EQ(std::pair(titles().Selected(), files().Selected()), std::pair(-1, -1));
  EXPECT_EQ(main().popups().back(), "mnuFileFunctions") << "FILE is still in the menu bar";
  Press(files(), kLeftButton, 0);  // a file pressed may be dragged out
  EXPECT_EQ(files().drags, 1);
  Press(files(), kLeftButton, 2);  // just below the last file: nothing
  EXPECT_EQ(std::tuple(files().Selected(), files().drags, main().MenuVisible("mnuFileFunctions")),
            std::tuple(-1, 1, false));
  Press(files(), kLeftButton, 1);
  EXPECT_EQ(titles().Selected(), 1) << "its title too";

  files().Key('A', kCtrlKey);
  files().dragStarts = true;
  drives.dragEffect = kDropMove;
  const int reads = drives.reads;
  Press(files(), kLeftButton, 0);  // both dragged, and moved away: the folder read again
  Settle();
  EXPECT_EQ(std::pair(drives.dragged.size(), drives.reads - reads), std::pair(std::size_t{2}, 1));
  files().dragStarts = false;
  ClickFile("a.html");
  files().Press({kRightButton, kShiftKey, 100, 5});  // selects the file alone, Shift or not
  EXPECT_EQ(chain().files().selection.Count(), 1);
}

}  // namespace
}  // namespace vantiro
