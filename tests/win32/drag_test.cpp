// The drag from one list box to another, driven by real mouse input on the
// display: the boxes passed over, the box dropped on, the cursor shown.
#include <gtest/gtest.h>

#include "tests/win32/win32_test_support.h"
#include "win32/drag_cursor.h"
#include "win32/list_box.h"
#include "win32/top_window.h"
#include "win32/window_system.h"

namespace vantiro::win32 {
namespace {

HWND HandleOf(ListBox& box) { return static_cast<ListBoxControl&>(box).handle(); }

// The mouse messages this thread takes from its queue, seen as they are
// taken: the test waits for its own input to arrive before looking.
class MouseWatch {
 public:
  MouseWatch() : hook_(SetWindowsHookExA(WH_MOUSE, &Hook, nullptr, GetCurrentThreadId())) {
    current = this;
  }
  ~MouseWatch() {
    UnhookWindowsHookEx(hook_);
    current = nullptr;
  }
  MouseWatch(const MouseWatch&) = delete;
  MouseWatch& operator=(const MouseWatch&) = delete;

  void Forget() { seen_.clear(); }
  bool Saw(UINT message, POINT point) const {
    for (const auto& [seenMessage, seenPoint] : seen_) {
      if (seenMessage == message && seenPoint.x == point.x && seenPoint.y == point.y) return true;
    }
    return false;
  }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && current != nullptr) {
      current->seen_.emplace_back(static_cast<UINT>(wParam),
                                  reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam)->pt);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline MouseWatch* current = nullptr;
  HHOOK hook_;
  std::vector<std::pair<UINT, POINT>> seen_;
};

// What one box heard.
struct Heard {
  std::vector<DragEvent> overs;
  std::vector<DragEvent> drops;
  int moves = 0;
  int clicks = 0;
  HWND captureAtDrop = nullptr;
};

class DragTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = ws.CreateTopWindow(
        {"Vantiro drag test", WindowKind::SizableToolWindow, 6000, 3000, {}}, {});
    window->SetLeft(1500);
    window->SetTop(1500);
    // Like the file list and a folder box: the arrow over the source, copy
    // over the other.
    first = CreateBox(firstHeard, 0, DragCursor::Arrow);
    second = CreateBox(secondHeard, 2400, DragCursor::Copy);
    // Not made by the adapter, though its user data points at a box.
    foreign.reset(CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE, 125, 100, 30, 50,
                                  static_cast<TopWindow&>(*window).handle(), nullptr,
                                  GetModuleHandleA(nullptr), nullptr));
    SetWindowLongPtrA(foreign.get(), GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(static_cast<ListBoxControl*>(second.get())));
    window->Show();
    MoveTo(At(*first, 10, RowMiddle(1)));
  }

  void TearDown() override {
    if (GetKeyState(VK_LBUTTON) < 0) Send(MOUSEEVENTF_LEFTUP, WM_LBUTTONUP);
  }

  std::unique_ptr<ListBox> CreateBox(Heard& heard, Twips left, DragCursor cursorOver) {
    ListBox::Events events;
    events.click = [&heard] { ++heard.clicks; };
    events.mouseMove = [&heard](const MouseEvent&) { ++heard.moves; };
    events.mouseDown = [this](const MouseEvent& event) {
      if (event.button == kLeftButton) first->BeginDrag();
    };
    events.dragOver = [&heard, cursorOver](const DragEvent& event) {
      heard.overs.push_back(event);
      event.source->SetDragCursor(cursorOver);
    };
    events.dragDrop = [&heard](const DragEvent& event) {
      heard.drops.push_back(event);
      heard.captureAtDrop = GetCapture();
    };
    auto box = window->CreateListBox(std::move(events));
    box->SetItems({"a.txt", "b.txt", "c.txt"});
    box->SetLeft(left);
    box->SetWidth(1800);
    box->SetHeight(1500);
    box->SetVisible(true);
    return box;
  }

  int RowMiddle(int row) {
    RECT bounds{};
    SendMessageA(HandleOf(*first), LB_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&bounds));
    return (bounds.top + bounds.bottom) / 2;
  }

  static POINT At(HWND hwnd, int x, int y) {
    POINT point{x, y};
    ClientToScreen(hwnd, &point);
    return point;
  }
  static POINT At(ListBox& box, int x, int y) { return At(HandleOf(box), x, y); }
  // Between the boxes, on the window itself.
  POINT Nowhere() { return At(static_cast<TopWindow&>(*window).handle(), 140, 50); }

  // One input event at the cursor, waited for until this thread has taken
  // and dispatched it.
  void Send(DWORD flags, UINT message) {
    POINT point{};
    GetCursorPos(&point);
    watch.Forget();
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    ASSERT_TRUE(testing::PumpUntil(ws, [&] { return watch.Saw(message, point); }))
        << "mouse message " << message << " did not arrive";
  }
  void MoveTo(POINT point) {
    SetCursorPos(point.x, point.y);
    Send(MOUSEEVENTF_MOVE, WM_MOUSEMOVE);
  }
  void Press() {
    Send(MOUSEEVENTF_LEFTDOWN, WM_LBUTTONDOWN);
    ASSERT_EQ(GetCapture(), HandleOf(*first)) << "the drag should hold the mouse";
  }

  MouseWatch watch;
  Win32WindowSystem ws;
  std::unique_ptr<Window> window;
  Heard firstHeard;
  Heard secondHeard;
  std::unique_ptr<ListBox> first;
  std::unique_ptr<ListBox> second;
  UniqueWindow foreign;
};

TEST_F(DragTest, PassesOverTheBoxesUnderTheMouseAndDropsOnTheLastOne) {
  const int movesBefore = firstHeard.moves + secondHeard.moves;
  Press();
  EXPECT_EQ(GetCursor(), DragCursorHandle(DragCursor::Copy)) << "a drag starts as a copy";
  const struct {
    const char* name;
    POINT point;
    Heard* hearer;  // nullptr: no box under the mouse
    Twips x, y;
    DragCursor cursor;
  } rows[] = {
      {"over itself", At(*first, 30, 20), &firstHeard, 450, 300, DragCursor::Arrow},
      {"over the other", At(*second, 7, 9), &secondHeard, 105, 135, DragCursor::Copy},
      {"over no box", Nowhere(), nullptr, 0, 0, DragCursor::Copy},
      {"over a list box not made here", At(foreign.get(), 5, 5), nullptr, 0, 0, DragCursor::Copy},
      {"over itself again", At(*first, 4, 5), &firstHeard, 60, 75, DragCursor::Arrow},
      {"over the other again", At(*second, 20, 30), &secondHeard, 300, 450, DragCursor::Copy},
  };
  for (const auto& row : rows) {
    const std::size_t firstOvers = firstHeard.overs.size();
    const std::size_t secondOvers = secondHeard.overs.size();
    MoveTo(row.point);
    EXPECT_EQ(firstHeard.overs.size() > firstOvers, row.hearer == &firstHeard) << row.name;
    EXPECT_EQ(secondHeard.overs.size() > secondOvers, row.hearer == &secondHeard) << row.name;
    if (row.hearer != nullptr && !row.hearer->overs.empty()) {
      const DragEvent& over = row.hearer->overs.back();
      EXPECT_EQ(over.source, first.get()) << row.name;
      EXPECT_EQ(over.x, row.x) << row.name;
      EXPECT_EQ(over.y, row.y) << row.name;
    }
    EXPECT_EQ(GetCursor(), DragCursorHandle(row.cursor)) << row.name;
  }
  EXPECT_EQ(firstHeard.moves + secondHeard.moves, movesBefore) << "no mouseMove while dragging";
  Send(MOUSEEVENTF_LEFTUP, WM_LBUTTONUP);
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_EQ(secondHeard.drops.size(), 1u);
  EXPECT_EQ(secondHeard.drops[0].source, first.get());
  EXPECT_EQ(secondHeard.drops[0].x, 300);
  EXPECT_EQ(secondHeard.drops[0].y, 450);
  EXPECT_EQ(secondHeard.captureAtDrop, nullptr) << "the drag is over when the drop runs";
  EXPECT_TRUE(firstHeard.drops.empty());
  EXPECT_EQ(first->Selected(), -1) << "the control's own press was skipped";
  EXPECT_EQ(firstHeard.clicks, 0);
}

TEST_F(DragTest, EndsWithoutADropWhenReleasedOverNoBoxOrCancelled) {
  HWND parent = static_cast<TopWindow&>(*window).handle();
  const struct {
    const char* name;
    std::function<void()> end;  // while the drag is on
    bool releases;
  } rows[] = {
      {"released over no box",
       [&] {
         MoveTo(Nowhere());
         Send(MOUSEEVENTF_LEFTUP, WM_LBUTTONUP);
       },
       true},
      {"Escape", [&] { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); }, false},
      {"a message box coming", [&] { SendMessageA(GetFocus(), WM_CANCELMODE, 0, 0); }, false},
      {"capture lost", [&] { SetCapture(parent); }, false},
  };
  int y = 5;
  int pressRow = 0;  // a new row each time: the same spot again would be a double click
  for (const auto& row : rows) {
    MoveTo(At(*first, 10, RowMiddle(pressRow++)));
    Press();
    const std::size_t oversBefore = secondHeard.overs.size();
    MoveTo(At(*second, 7, ++y));
    ASSERT_GT(secondHeard.overs.size(), oversBefore) << row.name << ": no drag";
    row.end();
    const std::size_t overs = secondHeard.overs.size();
    MoveTo(At(*second, 8, ++y));
    EXPECT_EQ(secondHeard.overs.size(), overs) << row.name << ": the drag went on";
    if (!row.releases) Send(MOUSEEVENTF_LEFTUP, WM_LBUTTONUP);
    EXPECT_TRUE(firstHeard.drops.empty()) << row.name;
    EXPECT_TRUE(secondHeard.drops.empty()) << row.name;
    ReleaseCapture();  // the window's, in the last row
    const int moves = firstHeard.moves;
    const std::size_t firstOvers = firstHeard.overs.size();
    MoveTo(At(*first, 12, ++y));
    EXPECT_GT(firstHeard.moves, moves) << row.name << ": mouseMove runs again after the drag";
    EXPECT_EQ(firstHeard.overs.size(), firstOvers) << row.name;
  }
}

// Drawn over white and over black: the screen shows through only where the
// cursor is transparent.
TEST(DragCursorTest, IsAnArrowWithADottedRectangleAndAPlus) {
  EXPECT_EQ(DragCursorHandle(DragCursor::Arrow), LoadCursorA(nullptr, IDC_ARROW));
  HCURSOR copy = DragCursorHandle(DragCursor::Copy);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(DragCursorHandle(DragCursor::Copy), copy) << "made once";
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(copy, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 0u) << "the arrow's tip";
  EXPECT_EQ(info.yHotspot, 0u);
  DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);

  enum Shown { Black, White, Screen };
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const struct {
    const char* name;
    int x, y;
    Shown shown;
  } rows[] = {{"the tip", 0, 0, Black},
              {"inside the arrow", 2, 5, White},
              {"beside the arrow", 12, 4, Screen},
              {"a dot", 9, 19, Black},
              {"between dots", 10, 19, White},
              {"inside the rectangle", 12, 23, Screen},
              {"the plus", 22, 26, Black},
              {"beside the plus", 20, 24, White},
              {"the far corner", 31, 31, Screen}};
  for (COLORREF background : {RGB(255, 255, 255), RGB(0, 0, 0)}) {
    RECT all{0, 0, 32, 32};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ASSERT_TRUE(DrawIconEx(dc, 0, 0, copy, 32, 32, 0, nullptr, DI_NORMAL));
    for (const auto& row : rows) {
      const COLORREF expected = row.shown == Black   ? RGB(0, 0, 0)
                                : row.shown == White ? RGB(255, 255, 255)
                                                     : background;
      EXPECT_EQ(GetPixel(dc, row.x, row.y), expected) << row.name << " on " << background;
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace vantiro::win32
