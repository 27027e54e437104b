// Menus: the bar as the system shows it, hidden entries leaving and coming
// back in place, check marks and graying, shortcuts and pop-ups.
#include <gtest/gtest.h>

#include "tests/win32/win32_test_support.h"
#include "win32/list_box.h"
#include "win32/menu_bar.h"
#include "win32/top_window.h"
#include "win32/window_system.h"

namespace vantiro::win32 {
namespace {

using testing::MenuTexts;
using Texts = std::vector<std::string>;

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override { Recreate(); }

  void Recreate() {
    window.reset();
    clicks = {};
    window = ws.CreateTopWindow({"Vantiro menu test", WindowKind::SizableToolWindow, 6000, 3000,
                                 testing::TestMenuBar(clicks)},
                                {});
  }

  HWND hwnd() const { return static_cast<TopWindow&>(*window).handle(); }
  HMENU bar() const { return GetMenu(hwnd()); }
  HMENU fileMenu() const { return GetSubMenu(bar(), 0); }

  Win32WindowSystem ws;
  testing::MenuClicks clicks;
  std::unique_ptr<Window> window;
};

TEST(ShortcutTest, ParsesTheKeysTheMenusShow) {
  const struct {
    const char* text;
    BYTE flags;
    WORD key;
  } rows[] = {{"Ctrl+F", FVIRTKEY | FCONTROL, 'F'},
              {"F5", FVIRTKEY, VK_F5},
              {"Ctrl+F4", FVIRTKEY | FCONTROL, VK_F4},
              {"Del", FVIRTKEY, VK_DELETE},
              {"Shift+Del", FVIRTKEY | FSHIFT, VK_DELETE},
              {"Ctrl+A", FVIRTKEY | FCONTROL, 'A'},
              {"F1", FVIRTKEY, VK_F1},
              {"F12", FVIRTKEY, VK_F12},
              {"Alt+Shift+x", FVIRTKEY | FALT | FSHIFT, 'X'}};
  for (const auto& row : rows) {
    const std::optional<ACCEL> accel = ParseShortcut(row.text, 123);
    ASSERT_TRUE(accel) << row.text;
    EXPECT_EQ(accel->fVirt, row.flags) << row.text;
    EXPECT_EQ(accel->key, row.key) << row.text;
    EXPECT_EQ(accel->cmd, 123) << row.text;
  }
  for (const char* bad : {"", "Ctrl+", "F0", "F25", "F1x", "F-1", "Foo", "Win+A", "Ctrl+Shift"}) {
    EXPECT_FALSE(ParseShortcut(bad, 1)) << bad;
  }
}

TEST_F(MenuTest, BarShowsTheVisibleMenusInTheirDesignedPlaces) {
  EXPECT_EQ(MenuTexts(bar()), (Texts{"File", "Help", "Min"}));
  HMENU file = fileMenu();
  const struct {
    const char* name;
    bool visible;
    Texts bar;
  } steps[] = {{"mnuHelp", false, {"File", "Min"}},
               {"mnuRestore", true, {"File", "Min", "Max"}},
               {"mnuHelp", true, {"File", "Help", "Min", "Max"}},
               {"mnuReduce", false, {"File", "Help", "Max"}},
               {"mnuFileFunctions", true, {"File", "Help", "Max", "FILE"}},
               {"mnuDirFunctions", true, {"File", "Help", "Max", "FOLDER", "FILE"}},
               {"mnuFile1", false, {"Help", "Max", "FOLDER", "FILE"}},
               {"mnuFile1", true, {"File", "Help", "Max", "FOLDER", "FILE"}}};
  for (const auto& step : steps) {
    window->SetMenuVisible(step.name, step.visible);
    EXPECT_EQ(window->MenuVisible(step.name), step.visible) << step.name;
    EXPECT_EQ(MenuTexts(bar()), step.bar) << step.name << " " << step.visible;
  }
  EXPECT_EQ(fileMenu(), file) << "the sub-menu came back, not a copy";
}

TEST_F(MenuTest, SubMenuEntriesShowTheirShortcutsAndComeBackInPlace) {
  const Texts designed = {"Options", "Files filtering...\tCtrl+F", "", "Refresh\tF5",
                          "Exit\tCtrl+F4"};
  EXPECT_EQ(MenuTexts(fileMenu()), designed);
  window->SetMenuVisible("mnuRefresh", false);
  window->SetMenuVisible("mnuNone11", false);
  EXPECT_EQ(MenuTexts(fileMenu()),
            (Texts{"Options", "Files filtering...\tCtrl+F", "Exit\tCtrl+F4"}));
  window->SetMenuVisible("mnuRefresh", true);
  window->SetMenuVisible("mnuNone11", true);
  EXPECT_EQ(MenuTexts(fileMenu()), designed);
}

TEST_F(MenuTest, CheckAndGrayStatesReachTheMenusAtAnyDepth) {
  const struct {
    const char* name;
    std::function<HMENU()> container;
    UINT position;
  } rows[] = {{"mnuAnimation", [this] { return GetSubMenu(fileMenu(), 0); }, 0},
              {"mnuRefresh", [this] { return fileMenu(); }, 3},
              {"mnuHelp", [this] { return bar(); }, 1}};
  for (const auto& row : rows) {
    for (bool on : {true, false}) {
      window->SetMenuChecked(row.name, on);
      window->SetMenuEnabled(row.name, !on);
      const UINT state = GetMenuState(row.container(), row.position, MF_BYPOSITION);
      EXPECT_EQ(window->MenuChecked(row.name), on) << row.name;
      EXPECT_EQ(window->MenuEnabled(row.name), !on) << row.name;
      EXPECT_EQ((state & MF_CHECKED) != 0, on) << row.name;
      EXPECT_EQ((state & MF_GRAYED) != 0, on) << row.name;
    }
  }
  EXPECT_FALSE(window->MenuChecked("mnuNoSuchEntry"));
  window->SetMenuVisible("mnuNoSuchEntry", false);
}

TEST_F(MenuTest, HiddenEntryKeepsTheStateSetMeanwhile) {
  window->SetMenuVisible("mnuRefresh", false);
  window->SetMenuChecked("mnuRefresh", true);
  window->SetMenuEnabled("mnuRefresh", false);
  window->SetMenuVisible("mnuRefresh", true);
  EXPECT_EQ(GetMenuState(fileMenu(), 3, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED),
            static_cast<UINT>(MF_CHECKED | MF_GRAYED));
}

TEST_F(MenuTest, MenuCommandRunsTheEntrysClick) {
  SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(fileMenu(), 3), 0), 0);
  EXPECT_EQ(clicks.refresh, 1);
  EXPECT_EQ(clicks.filters, 0);
}

// Keys posted to the window go through the message pump, as typed keys do.
TEST_F(MenuTest, ShortcutsActOnlyWhileTheirEntryAndMenusAreVisibleAndEnabled) {
  const struct {
    const char* what;
    std::function<void(Window&)> setup;
    WORD key;
    bool ctrl;
    int testing::MenuClicks::*counter;
    int expected;
  } rows[] = {
      {"F5", [](Window&) {}, VK_F5, false, &testing::MenuClicks::refresh, 1},
      {"Ctrl+F", [](Window&) {}, 'F', true, &testing::MenuClicks::filters, 1},
      {"F alone", [](Window&) {}, 'F', false, &testing::MenuClicks::filters, 0},
      {"F5, Refresh hidden", [](Window& w) { w.SetMenuVisible("mnuRefresh", false); }, VK_F5, false,
       &testing::MenuClicks::refresh, 0},
      {"F5, Refresh grayed", [](Window& w) { w.SetMenuEnabled("mnuRefresh", false); }, VK_F5, false,
       &testing::MenuClicks::refresh, 0},
      {"F5, File hidden", [](Window& w) { w.SetMenuVisible("mnuFile1", false); }, VK_F5, false,
       &testing::MenuClicks::refresh, 0},
      {"F5, File grayed", [](Window& w) { w.SetMenuEnabled("mnuFile1", false); }, VK_F5, false,
       &testing::MenuClicks::refresh, 0},
      {"F2, FILE hidden", [](Window&) {}, VK_F2, false, &testing::MenuClicks::rename, 0},
      {"F2, FILE shown", [](Window& w) { w.SetMenuVisible("mnuFileFunctions", true); }, VK_F2,
       false, &testing::MenuClicks::rename, 1},
  };
  for (const auto& row : rows) {
    Recreate();
    row.setup(*window);
    BYTE keys[256] = {};
    keys[VK_CONTROL] = row.ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageA(hwnd(), WM_KEYDOWN, row.key, 1);
    ws.DoEvents();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(clicks.*row.counter, row.expected) << row.what;
  }
}

TEST_F(MenuTest, ShortcutsActWhileAListBoxHasTheKeys) {
  auto box = window->CreateListBox({});
  PostMessageA(static_cast<ListBoxControl&>(*box).handle(), WM_KEYDOWN, VK_F5, 1);
  ws.DoEvents();
  EXPECT_EQ(clicks.refresh, 1);
}

TEST_F(MenuTest, PopsUpAHiddenMenuAndRunsTheChosenEntry) {
  window->Show();
  // The pop-up's own loop reads these keys; the timer ends it should it not.
  PostMessageA(hwnd(), WM_KEYDOWN, VK_DOWN, 1);
  PostMessageA(hwnd(), WM_KEYDOWN, VK_RETURN, 1);
  const UINT_PTR safety =
      SetTimer(nullptr, 0, 2000, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  window->PopupMenu("mnuFileFunctions");
  KillTimer(nullptr, safety);
  EXPECT_EQ(clicks.rename, 1);
  EXPECT_FALSE(window->MenuVisible("mnuFileFunctions"));
}

}  // namespace
}  // namespace vantiro::win32
