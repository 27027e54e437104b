// List boxes: texts in and out, selection events, geometry, colour and
// mouse events, read back from the real control.
#include <windowsx.h>

#include <gtest/gtest.h>

#include "tests/win32/win32_test_support.h"
#include "win32/list_box.h"
#include "win32/top_window.h"
#include "win32/window_system.h"

namespace vantiro::win32 {
namespace {

HWND HandleOf(ListBox& box) { return static_cast<ListBoxControl&>(box).handle(); }

class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = ws.CreateTopWindow(
        {"Vantiro list test", WindowKind::SizableToolWindow, 6000, 4500, {}}, {});
    ListBox::Events events;
    events.click = [this] { ++clicks; };
    events.dblClick = [this] { ++doubleClicks; };
    events.mouseDown = [this](const MouseEvent& event) {
      downs.push_back(event);
      selectedAtDowns.push_back(static_cast<int>(SendMessageA(HandleOf(*box), LB_GETCURSEL, 0, 0)));
    };
    events.mouseMove = [this](const MouseEvent& event) { moves.push_back(event); };
    box = window->CreateListBox(std::move(events));
  }

  HWND parent() const { return static_cast<TopWindow&>(*window).handle(); }

  Win32WindowSystem ws;
  std::unique_ptr<Window> window;
  std::unique_ptr<ListBox> box;
  int clicks = 0;
  int doubleClicks = 0;
  std::vector<int> selectedAtDowns;
  std::vector<MouseEvent> downs;
  std::vector<MouseEvent> moves;
};

const std::vector<std::string> kNames = {"Ünïcødé", "日本", "&%^", "", "plain"};

TEST_F(ListBoxTest, KeepsUtf8AndSpecialNamesInOrder) {
  box->SetItems({"old"});
  box->SetItems(kNames);
  EXPECT_EQ(box->Items(), kNames);
  EXPECT_EQ(box->Count(), 5);
  EXPECT_EQ(box->Item(1), kNames[1]);
  EXPECT_EQ(box->Item(5), "");
  wchar_t wide[16] = {};
  SendMessageW(HandleOf(*box), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(wide));
  EXPECT_STREQ(wide, L"\u65E5\u672C");
}

TEST_F(ListBoxTest, AddsInsertsRemovesAndClears) {
  box->AddItem("b");
  box->InsertItem(0, "a");
  box->AddItem("c");
  box->InsertItem(3, "d");
  EXPECT_EQ(box->Items(), (std::vector<std::string>{"a", "b", "c", "d"}));
  box->RemoveItem(1);
  EXPECT_EQ(box->Items(), (std::vector<std::string>{"a", "c", "d"}));
  box->Clear();
  EXPECT_EQ(box->Count(), 0);
}

TEST_F(ListBoxTest, SelectRunsClickOnlyWhenTheIndexChanges) {
  box->SetItems(kNames);
  const struct {
    int select;
    int selected;
    int clicks;
  } rows[] = {{2, 2, 1}, {2, 2, 1}, {0, 0, 2}, {-1, -1, 3}, {-1, -1, 3}};
  for (const auto& row : rows) {
    box->Select(row.select);
    EXPECT_EQ(box->Selected(), row.selected) << row.select;
    EXPECT_EQ(clicks, row.clicks) << row.select;
  }
}

TEST_F(ListBoxTest, PlacesItselfInPixelsInsideItsWindow) {
  EXPECT_EQ(box->Left() + box->Top() + box->Width() + box->Height(), 0);
  box->SetVisible(true);
  EXPECT_TRUE(box->Visible()) << "its own flag, though the window is hidden";
  box->SetLeft(3315);
  box->SetTop(150);
  box->SetWidth(1800);
  box->SetHeight(1500);
  RECT bounds{};
  GetWindowRect(HandleOf(*box), &bounds);
  MapWindowPoints(HWND_DESKTOP, parent(), reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, 221);
  EXPECT_EQ(bounds.top, 10);
  EXPECT_EQ(bounds.right - bounds.left, 120);
  EXPECT_EQ(box->Left(), 3315);
  EXPECT_EQ(box->Top(), 150);
  EXPECT_EQ(box->Width(), 1800);
}

TEST_F(ListBoxTest, KeepsToWholeRows) {
  box->SetItems(kNames);
  box->SetWidth(1800);
  const int rowHeight = static_cast<int>(SendMessageA(HandleOf(*box), LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(rowHeight, 1);
  for (int rows : {3, 7}) {
    const Twips asked = (rows * rowHeight + rowHeight / 2 + 4) * 15;  // half a row too many
    box->SetHeight(asked);
    RECT client{};
    GetClientRect(HandleOf(*box), &client);
    EXPECT_EQ(client.bottom, rows * rowHeight) << rows;
    EXPECT_LT(box->Height(), asked);
    EXPECT_EQ(box->Height(), (rows * rowHeight + 4) * 15) << "the client edge is 2 + 2 pixels";
  }
}

TEST_F(ListBoxTest, ScrollsSidewaysOnlyWhenTheExtentIsWiderThanTheBox) {
  box->SetItems(kNames);
  box->SetWidth(1800);
  box->SetHeight(1500);
  const struct {
    int pixels;
    bool scrolls;
  } rows[] = {{100, false}, {2500, true}, {0, false}};
  for (const auto& row : rows) {
    box->SetHorizontalExtent(row.pixels);
    EXPECT_EQ(SendMessageA(HandleOf(*box), LB_GETHORIZONTALEXTENT, 0, 0), row.pixels);
    EXPECT_EQ((GetWindowLongPtrA(HandleOf(*box), GWL_STYLE) & WS_HSCROLL) != 0, row.scrolls)
        << row.pixels;
  }
}

TEST_F(ListBoxTest, PaintsItsBackColourThroughTheWindow) {
  const struct {
    Color color;
    COLORREF expected;
  } rows[] = {{0x80000014, GetSysColor(COLOR_BTNHIGHLIGHT)},
              {0x8000000F, GetSysColor(COLOR_BTNFACE)},
              {0x00336699, RGB(0x99, 0x66, 0x33)}};
  HDC dc = GetDC(HandleOf(*box));
  for (const auto& row : rows) {
    box->SetBackColor(row.color);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(HandleOf(*box))));
    LOGBRUSH logBrush{};
    ASSERT_EQ(GetObjectA(brush, sizeof logBrush, &logBrush), static_cast<int>(sizeof logBrush));
    EXPECT_EQ(logBrush.lbColor, row.expected) << std::hex << row.color;
    EXPECT_EQ(GetBkColor(dc), row.expected) << std::hex << row.color;
  }
  ReleaseDC(HandleOf(*box), dc);
}

TEST_F(ListBoxTest, HearsTheMouseBeforeTheControlMovesItsSelection) {
  box->SetItems(kNames);
  box->SetWidth(1800);
  box->SetHeight(1500);
  HWND hwnd = HandleOf(*box);
  RECT row{};
  SendMessageA(hwnd, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  const LPARAM point = MAKELPARAM(10, row.top + 1);
  SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT | MK_CONTROL, point);
  SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, point);
  SendMessageA(hwnd, WM_LBUTTONUP, 0, point);
  SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 3));
  SendMessageA(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 5));
  SendMessageA(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(4, 5));
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(selectedAtDowns, (std::vector<int>{-1, 2})) << "seen before the box selects";
  EXPECT_EQ(downs[0].button, kLeftButton);
  EXPECT_EQ(downs[0].shift, 3);
  EXPECT_EQ(downs[0].x, 150);
  EXPECT_EQ(downs[0].y, (row.top + 1) * 15);
  EXPECT_EQ(downs[1].button, kRightButton);
  EXPECT_EQ(downs[1].shift, 0);
  EXPECT_EQ(downs[1].x, 60);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].button, kLeftButton);
  EXPECT_EQ(moves[1].button, 0);
  EXPECT_EQ(moves[1].y, 45);
  EXPECT_EQ(box->Selected(), 2);
  EXPECT_EQ(clicks, 1) << "the control's own selection change";
}

TEST_F(ListBoxTest, HearsItsDoubleClicksThroughTheWindow) {
  const int id = GetDlgCtrlID(HandleOf(*box));
  SendMessageA(parent(), WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(HandleOf(*box)));
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ListBoxTest, OutlivesItsWindowSafely) {
  box->SetItems(kNames);
  box->Select(1);
  window->Close();
  EXPECT_EQ(HandleOf(*box), nullptr);
  box->SetItems(kNames);
  box->Select(2);
  EXPECT_EQ(box->Count(), 0);
  EXPECT_EQ(box->Selected(), -1);
  EXPECT_EQ(box->Item(0), "");
  EXPECT_FALSE(box->Visible());
}

}  // namespace
}  // namespace vantiro::win32
