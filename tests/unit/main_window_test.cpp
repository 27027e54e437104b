#include <string>
#include <vector>

#include "tests/unit/browser.h"

namespace vantiro {
namespace {

using Captions = std::vector<std::string>;

class MainWindow : public Browser {};

TEST_F(MainWindow, OpensAsDesignedWithTheDefaults) {
  Start();
  EXPECT_TRUE(main().Visible());
  EXPECT_EQ(main().Caption(), "Vantiro!");
  EXPECT_EQ(main().Left(), 450);
  EXPECT_EQ(main().Top(), 600);
  EXPECT_EQ(form->BoxesWidth, 1200);
  EXPECT_EQ(form->ActiveBoxWidth, 1800);
  EXPECT_FALSE(form->Reduced);
  EXPECT_TRUE(files().acceptsShellDrops());
  EXPECT_EQ(files().Count(), 0);
}

TEST_F(MainWindow, ProgramDirEndsInExactlyOneBackslash) {
  for (auto [current, expected] :
       {std::pair{"c:\\tools\\vantiro", "c:\\tools\\vantiro\\"}, std::pair{"d:\\", "d:\\"}}) {
    drives.SetCurrentDirectory(current);
    Start();
    EXPECT_EQ(form->ProgramDir, expected);
  }
}

TEST_F(MainWindow, MenuBarAtStart) {
  Start();
  EXPECT_EQ(main().BarCaptions(), (Captions{"File", "Help", "Min"}));
  EXPECT_FALSE(main().MenuVisible("mnuDirFunctions"));
  EXPECT_FALSE(main().MenuVisible("mnuFileFunctions"));
  EXPECT_FALSE(main().MenuVisible("mnuRestore"));
  EXPECT_TRUE(main().MenuChecked("mnuRememberPath"));
  EXPECT_FALSE(main().MenuChecked("mnuAnimation"));
  EXPECT_FALSE(main().MenuChecked("mnuAutoPlay"));
  EXPECT_FALSE(main().MenuChecked("mnuTopMost"));
  EXPECT_FALSE(main().MenuEnabled("mnuRemoveFavorites"));
}

TEST_F(MainWindow, MenusHoldTheirEntriesInOrderWithTheirShortcuts) {
  Start();
  auto entries = [this](const char* menu) {
    Captions captions;
    for (const MenuItem& item : main().Menu(menu).items) {
      captions.push_back(item.shortcut.empty() ? item.caption
                                               : item.caption + "\t" + item.shortcut);
    }
    return captions;
  };
  EXPECT_EQ(entries("mnuFile1"), (Captions{"Options", "Size and colors...", "-", "Favorites", "-",
                                           "Files filtering...\tCtrl+F", "-", "Refresh\tF5",
                                           "Reset all\tCtrl+R", "-", "Exit\tCtrl+F4"}));
  EXPECT_EQ(
      entries("mnuOptions"),
      (Captions{"Remember path when closing", "Use animation when exploring folders",
                "Automatically start playing audio and video files", "-", "Stay always on top"}));
  EXPECT_EQ(entries("mnuFavorites"), (Captions{"Remove selected", "Reset"}));
  EXPECT_EQ(entries("mnuHelp"), (Captions{"How to...\tF1", "-", "About..."}));
  EXPECT_EQ(entries("mnuDirFunctions"),
            (Captions{"Explore     (Double-Click)", "Open in a new window\tCtrl+N",
                      "Send to Recycle Bin", "Paste\tCtrl+V", "-", "Add to Favorites\tCtrl+A", "-",
                      "Folder Properties...\tF4"}));
  EXPECT_EQ(entries("mnuFileFunctions"),
            (Captions{"Open     (Double-Click)", "Open with...\tCtrl+O", "Rename...\tF2",
                      "Send to Recycle Bin\tDel", "Delete\tShift+Del", "-", "Copy\tCtrl+C", "-",
                      "File Properties...\tF3"}));
}

TEST_F(MainWindow, OptionCommandsInvertTheirMarks) {
  Start();
  for (const char* option : {"mnuRememberPath", "mnuAnimation", "mnuAutoPlay"}) {
    const bool before = main().MenuChecked(option);
    main().ChooseMenu(option);
    EXPECT_NE(main().MenuChecked(option), before) << option;
  }
}

TEST_F(MainWindow, ExitAndTheCloseBoxEndTheProgram) {
  Start();
  main().ChooseMenu("mnuExit");
  EXPECT_TRUE(main().closed());
  EXPECT_TRUE(ws.quit);

  ws.quit = false;
  Start();
  main().Close();
  EXPECT_TRUE(ws.quit);
}

TEST_F(MainWindow, TimerStaysOffWhileLoading) {
  form = std::make_unique<Form1>(ws, drives);
  EXPECT_FALSE(form->Timer1Enabled());
  form->Start();
  EXPECT_TRUE(form->Timer1Enabled());
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
