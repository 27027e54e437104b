// Top windows: twips to pixels, synchronous resize events, the lifetime of
// the window, and text measured in its font.
#include <gtest/gtest.h>

#include "tests/win32/win32_test_support.h"
#include "win32/list_box.h"
#include "win32/top_window.h"
#include "win32/units.h"
#include "win32/window_system.h"

namespace vantiro::win32 {
namespace {

constexpr Twips kClientWidth = 3315;
constexpr Twips kClientHeight = 4365;

HWND HandleOf(Window& window) { return static_cast<TopWindow&>(window).handle(); }

class TopWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(ws.TwipsPerPixelX(), 15) << "Wine on Xvfb runs at 96 dpi"; }

  std::unique_ptr<Window> Create(Window::Events events = {}) {
    return ws.CreateTopWindow({"Vantiro test", WindowKind::SizableToolWindow, kClientWidth,
                               kClientHeight, testing::TestMenuBar(clicks)},
                              std::move(events));
  }

  Win32WindowSystem ws;
  testing::MenuClicks clicks;
};

TEST(ScaleTest, RoundsToNearestWithHalvesToEven) {
  const Scale scale{10, 10};
  const struct {
    Twips twips;
    int pixels;
  } rows[] = {{0, 0}, {5, 0}, {14, 1}, {15, 2}, {25, 2}, {26, 3}, {-5, 0}, {-15, -2}, {-26, -3}};
  for (const auto& row : rows) EXPECT_EQ(scale.XToPixels(row.twips), row.pixels) << row.twips;
}

TEST_F(TopWindowTest, IsCreatedHiddenAsAToolWindowWithTheClientSizeOfItsSpec) {
  auto window = Create();
  HWND hwnd = HandleOf(*window);
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 221);
  EXPECT_EQ(client.bottom, 291);
  EXPECT_EQ(window->ClientWidth(), kClientWidth);
  EXPECT_EQ(window->ClientHeight(), kClientHeight);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            WS_THICKFRAME | WS_SYSMENU);
  EXPECT_TRUE(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

// So narrow a window that its menu bar takes more than one line.
TEST_F(TopWindowTest, KeepsTheClientSizeWhenTheMenuBarWraps) {
  int resizes = 0;
  Window::Events events;
  events.resize = [&] { ++resizes; };
  std::vector<MenuItem> bar(8);
  for (std::size_t i = 0; i < bar.size(); ++i) bar[i].caption = "Menu " + std::to_string(i);
  auto window = ws.CreateTopWindow(
      {"Vantiro narrow", WindowKind::SizableToolWindow, 3000, 900, std::move(bar)},
      std::move(events));
  HWND hwnd = HandleOf(*window);
  MENUBARINFO first{sizeof first, {}, {}, {}, {}, {}};
  MENUBARINFO last{sizeof last, {}, {}, {}, {}, {}};
  GetMenuBarInfo(hwnd, OBJID_MENU, 1, &first);
  GetMenuBarInfo(hwnd, OBJID_MENU, 8, &last);
  ASSERT_GT(last.rcBar.top, first.rcBar.top) << "the bar should wrap";
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 60);
  EXPECT_EQ(resizes, 0);
}

TEST_F(TopWindowTest, PlacesItselfInWholePixelsRoundedToNearest) {
  auto window = Create();
  const struct {
    Twips left, top;
    int x, y;
  } rows[] = {{450, 600, 30, 40}, {457, 607, 30, 40}, {458, 608, 31, 41}, {-458, 0, -31, 0}};
  for (const auto& row : rows) {
    window->SetLeft(row.left);
    window->SetTop(row.top);
    RECT bounds{};
    GetWindowRect(HandleOf(*window), &bounds);
    EXPECT_EQ(bounds.left, row.x) << row.left;
    EXPECT_EQ(bounds.top, row.y) << row.top;
    EXPECT_EQ(window->Left(), row.x * 15);
  }
}

TEST_F(TopWindowTest, RunsTheResizeEventInsideTheSetterAndNotWhileBeingCreated) {
  int resizes = 0;
  Twips widthSeen = 0;
  Twips heightSeen = 0;
  std::unique_ptr<Window> window;
  Window::Events events;
  events.resize = [&] {
    ++resizes;
    widthSeen = window->Width();
    heightSeen = window->Height();
  };
  window = Create(std::move(events));
  EXPECT_EQ(resizes, 0) << "the program cannot take events before it has the window";
  window->SetWidth(4500);
  EXPECT_EQ(resizes, 1);
  EXPECT_EQ(widthSeen, 4500);
  window->SetHeight(6000);
  EXPECT_EQ(resizes, 2);
  EXPECT_EQ(heightSeen, 6000);
  window->SetWidth(4500);
  EXPECT_EQ(resizes, 2) << "the size did not change";
}

TEST_F(TopWindowTest, TopMostChangesNeitherPlaceNorVisibility) {
  auto window = Create();
  HWND hwnd = HandleOf(*window);
  window->SetLeft(450);
  RECT before{};
  GetWindowRect(hwnd, &before);
  for (bool topMost : {true, false}) {
    window->SetTopMost(topMost);
    EXPECT_EQ((GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topMost);
    RECT after{};
    GetWindowRect(hwnd, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_FALSE(window->Visible());
  }
  window->Show();
  EXPECT_TRUE(window->Visible());
  window->Hide();
  EXPECT_FALSE(IsWindowVisible(hwnd));
}

// The close box and Close() both unload, and the object outlives the window.
TEST_F(TopWindowTest, UnloadsOnceThenStaysSafeToCall) {
  const std::function<void(Window&)> ways[] = {
      [](Window& window) { window.Close(); },
      [](Window& window) { SendMessageA(HandleOf(window), WM_CLOSE, 0, 0); }};
  for (const auto& close : ways) {
    int unloads = 0;
    auto window = Create({{}, [&] { ++unloads; }});
    HWND hwnd = HandleOf(*window);
    close(*window);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(IsWindow(hwnd));
    window->Close();
    window->SetWidth(3000);
    window->SetMenuVisible("mnuHelp", false);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(window->Width(), 0);
    EXPECT_EQ(window->Caption(), "");
    EXPECT_FALSE(window->Visible());
    EXPECT_FALSE(window->MenuVisible("mnuFile1"));
    auto box = window->CreateListBox({});
    box->AddItem("x");
    EXPECT_EQ(box->Count(), 0);
  }
}

TEST_F(TopWindowTest, MeasuresTextInWholePixelsWithOneCallForMany) {
  auto window = Create();
  const std::vector<std::string> texts = {"iii", "WWW", "", "日本"};
  const std::vector<Twips> widths = window->TextWidths(texts);
  ASSERT_EQ(widths.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(widths[i], window->TextWidth(texts[i])) << texts[i];
    EXPECT_EQ(widths[i] % 15, 0);
  }
  EXPECT_GT(widths[0], 0);
  EXPECT_GT(widths[1], widths[0]);
  EXPECT_EQ(widths[2], 0);
}

// The program finds the row under the mouse from TextHeight("A").
TEST_F(TopWindowTest, MeasuresALineAsHighAsAListRowWhateverTheText) {
  auto window = Create();
  auto box = window->CreateListBox({});
  const auto rowPixels = static_cast<int>(
      SendMessageA(static_cast<ListBoxControl&>(*box).handle(), LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(rowPixels, 1);
  EXPECT_EQ(window->TextHeight("A"), rowPixels * ws.TwipsPerPixelY());
  for (const char* text : {"", " ", "Ag", "Ü", "日本", "a\nb"}) {
    EXPECT_EQ(window->TextHeight(text), window->TextHeight("A")) << text;
  }
}

}  // namespace
}  // namespace vantiro::win32
