// Menus: the bar as the system shows it, hidden entries leaving and coming
// back in place, check marks and graying, shortcuts and pop-ups.
#include "tests/win32/win32_test_support.h"

namespace vantiro::win32 {
namespace {

using namespace testing;
using Texts = std::vector<std::string>;

// The captions of a menu's items, in order.
Texts MenuTexts(HMENU menu) {
  Texts texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, std::size(text), MF_BYPOSITION);
    texts.push_back(Utf8(text));
  }
  return texts;
}

class MenuTest : public AdapterTest {
 protected:
  HMENU bar() const { return GetMenu(hwnd()); }
  HMENU fileMenu() const { return GetSubMenu(bar(), 0); }
};

TEST(ShortcutTest, ParsesTheKeysTheMenusShow) {
  const std::tuple<const char*, BYTE, WORD> rows[] = {
      {"Ctrl+F", FVIRTKEY | FCONTROL, 'F'},
      {"F5", FVIRTKEY, VK_F5},
      {"Ctrl+F4", FVIRTKEY | FCONTROL, VK_F4},
      {"F12", FVIRTKEY, VK_F12},
      {"F24", FVIRTKEY, VK_F24},
      {"Shift+Del", FVIRTKEY | FSHIFT, VK_DELETE},
      {"Alt+Shift+x", FVIRTKEY | FALT | FSHIFT, 'X'},
      {"Delete", FVIRTKEY, VK_DELETE},
      {"Ins", FVIRTKEY, VK_INSERT},
      {"Insert", FVIRTKEY, VK_INSERT}};
  for (const auto& [text, flags, key] : rows) {
    const std::optional<ACCEL> accel = ParseShortcut(text, 123);
    ASSERT_TRUE(accel) << text;
    EXPECT_EQ(std::tuple(accel->fVirt, accel->key, accel->cmd), std::tuple(flags, key, 123))
        << text;
  }
  for (const char* bad : {"", "Ctrl+", "F0", "F25", "F1x", "Foo", "Win+A", "Ctrl+Shift"}) {
    EXPECT_FALSE(ParseShortcut(bad, 1)) << bad;
  }
}

TEST_F(MenuTest, ShowsTheVisibleEntriesInTheirDesignedPlaces) {
  EXPECT_EQ(MenuTexts(bar()), (Texts{"File", "Help", "Min"}));
  const HMENU file = fileMenu();
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
  const Texts designed = {"Options", "Files filtering...\tCtrl+F", "", "Refresh\tF5",
                          "Exit\tCtrl+F4"};
  EXPECT_EQ(MenuTexts(file), designed);
  window->SetMenuVisible("mnuRefresh", false);
  window->SetMenuVisible("mnuNone11", false);
  EXPECT_EQ(MenuTexts(file), (Texts{"Options", "Files filtering...\tCtrl+F", "Exit\tCtrl+F4"}));
  window->SetMenuVisible("mnuRefresh", true);
  window->SetMenuVisible("mnuNone11", true);
  EXPECT_EQ(MenuTexts(file), designed);
  window->SetMenuChecked("mnuTopMost", true);
  EXPECT_TRUE(GetMenuState(GetSubMenu(file, 0), 2, MF_BYPOSITION) & MF_CHECKED);
}

// A shell menu is filled with the shell's commands for its items each time
// it opens, or says it has none; other menus stay the program's.
TEST_F(MenuTest, ShellMenusAreFilledByTheShellWhenTheyOpen) {
  std::vector<std::string> items = {SelfPath()};
  std::vector<MenuItem> menus = {Menu("mnuFile1", "File", {Item("mnuExit", "Exit")}),
                                 vantiro::ShellMenu("mnuShell", "Shell", [&] { return items; })};
  window =
      ws.CreateTopWindow({"Vantiro shell", WindowKind::SizableToolWindow, 3000, 900, menus}, {});
  const auto open = [this](int position) {
    const HMENU menu = GetSubMenu(bar(), position);
    SendMessageW(hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), position);
    return MenuTexts(menu);
  };
  const Texts shells = open(1);
  EXPECT_GT(shells.size(), 1u);
  EXPECT_EQ(open(1), shells) << "filled anew";
  EXPECT_EQ(open(0), Texts{"Exit"});
  items.clear();
  EXPECT_EQ(open(1), Texts{"(empty)"});
}

// Keys posted go through the message pump, as typed keys do.
TEST_F(MenuTest, ShortcutsActOnlyWhileTheirEntryAndMenusAreVisibleAndEnabled) {
  const struct {
    const char* entry;  // made hidden or grayed first, or nullptr
    bool visible, enabled;
    WORD key;
    bool ctrl, toListBox;
    int MenuClicks::*counter;
    int expected;
  } rows[] = {{nullptr, true, true, VK_F5, false, false, &MenuClicks::refresh, 1},
              {nullptr, true, true, VK_F5, false, true, &MenuClicks::refresh, 1},
              {nullptr, true, true, 'F', true, false, &MenuClicks::filters, 1},
              {nullptr, true, true, 'F', false, false, &MenuClicks::filters, 0},
              {"mnuRefresh", false, true, VK_F5, false, false, &MenuClicks::refresh, 0},
              {"mnuRefresh", true, false, VK_F5, false, false, &MenuClicks::refresh, 0},
              {"mnuFile1", false, true, VK_F5, false, false, &MenuClicks::refresh, 0},
              {"mnuFile1", true, false, VK_F5, false, false, &MenuClicks::refresh, 0},
              {"mnuFileFunctions", true, true, VK_F2, false, false, &MenuClicks::rename, 1}};
  for (const auto& row : rows) {
    window.reset();
    clicks = {};
    window = Create();
    if (row.entry != nullptr) {
      window->SetMenuVisible(row.entry, row.visible);
      window->SetMenuEnabled(row.entry, row.enabled);
    }
    auto box = window->CreateListBox({});
    BYTE keys[256] = {};
    keys[VK_CONTROL] = row.ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageA(row.toListBox ? HandleOf(*box) : hwnd(), WM_KEYDOWN, row.key, 1);
    for (MSG msg{}; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchQueued(msg);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(clicks.*row.counter, row.expected)
        << row.key << " " << row.ctrl << " " << (row.entry ? row.entry : "") << row.toListBox;
  }
}

}  // namespace
}  // namespace vantiro::win32
