// List boxes read back from the real control: texts, selection, geometry,
// colour and mouse events; the drag from one box to another, driven by real
// mouse input on the display.
#include <algorithm>
#include <cstring>
#include <sstream>

#include "tests/win32/win32_test_support.h"
#include "win32/drag_cursor.h"

namespace vantiro::win32 {
namespace {

using namespace testing;
using Texts = std::vector<std::string>;

const Texts kNames = {"Ünïcødé", "日本", "&%^", "", "plain"};

// Boxes 1 and 2 on the window, whose events write what they hear to the log:
// "down box button shift x y", "over box x y from source box"... A left
// press starts a drag from box 1 when dragOnPress; the drag shows the arrow
// over box 1, like the file list over itself, and copy elsewhere. Wine adds
// moves of its own when a capture ends, so a drag test logs a run of moves
// once, without their place.
class ListBoxTest : public AdapterTest {
 protected:
  template <typename... Parts>
  void Log(const Parts&... parts) {
    std::ostringstream line;
    ((line << parts << ' '), ...);
    log.push_back(line.str().substr(0, line.str().size() - 1));
  }
  std::unique_ptr<ListBox> Logged(int n) {
    const auto from = [this](const ListBox* box) { return box == first.get() ? 1 : 0; };
    return window->CreateListBox({
        .click = [this, n] { Log("click", n); },
        .dblClick = [this, n] { Log("dblclick", n); },
        .mouseDown =
            [this, n](const MouseEvent& e) {
              Log("down", n, e.button, e.shift, e.x, e.y, "selected", first->Selected());
              if (dragOnPress && e.button == kLeftButton) first->BeginDrag();
            },
        .mouseMove =
            [this, n](const MouseEvent& e) {
              if (!dragOnPress) return Log("move", n, e.button, e.shift, e.x, e.y);
              Log("move", n, e.button);
              if (log.size() > 1 && log.back() == log[log.size() - 2]) log.pop_back();
            },
        .dragOver =
            [this, n, from](const DragEvent& e) {
              Log("over", n, e.x, e.y, "from", from(e.source));
              e.source->SetDragCursor(n == 1 ? DragCursor::Arrow : DragCursor::Copy);
            },
        .dragDrop =
            [this, n, from](const DragEvent& e) {
              Log("drop", n, e.x, e.y, "from", from(e.source), "captured", GetCapture() != nullptr);
            },
        .shellDragOver = {},
        .shellDrop = {},
    });
  }

  Texts log;
  bool dragOnPress = false;
  std::unique_ptr<ListBox> first = Logged(1);
  std::unique_ptr<ListBox> second;
};

// The box keeps its entries beside the control: both must agree.
TEST_F(ListBoxTest, KeepsItsItemsInUtf8AndClicksWhenTheSelectionChanges) {
  const auto shown = [this] {
    Texts texts(static_cast<std::size_t>(SendMessageA(HandleOf(*first), LB_GETCOUNT, 0, 0)));
    for (std::size_t i = 0; i < texts.size(); ++i) {
      char text[64] = {};
      SendMessageA(HandleOf(*first), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      texts[i] = text;
    }
    return texts;
  };
  first->AddItem("b");
  first->InsertItem(0, "a");
  first->AddItem("c");
  first->RemoveItem(1);
  first->RemoveItem(7);
  EXPECT_EQ(first->Items(), (Texts{"a", "c"}));
  EXPECT_EQ(shown(), first->Items());
  first->Clear();
  EXPECT_EQ(first->Count(), 0);
  first->SetItems({"old"});
  first->SetItems(kNames);
  EXPECT_EQ(first->Items(), kNames);
  EXPECT_EQ(shown(), kNames);
  EXPECT_EQ(first->Count() + first->Item(5).size(), 5u);
  wchar_t wide[16] = {};
  SendMessageW(HandleOf(*first), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(wide));
  EXPECT_STREQ(wide, L"\u65E5\u672C");
  for (int index : {2, 2, 0, -1, -1}) {
    first->Select(index);
    EXPECT_EQ(first->Selected(), index);
  }
  EXPECT_EQ(log, (Texts{"click 1", "click 1", "click 1"}));
}

TEST_F(ListBoxTest, ShowsWholeRowsAndScrollsSidewaysWhenWiderThanItself) {
  first->SetItems(kNames);
  first->SetWidth(1800);
  const auto row = static_cast<int>(SendMessageA(HandleOf(*first), LB_GETITEMHEIGHT, 0, 0));
  for (int rows : {3, 7}) {
    first->SetHeight((rows * row + row / 2 + 4) * 15);  // half a row too many
    EXPECT_EQ(ClientSize(HandleOf(*first)).second, rows * row) << rows;
    EXPECT_EQ(first->Height(), (rows * row + 4) * 15) << "the client edge is 2 + 2 pixels";
  }
  for (int pixels : {100, 2500, 0}) {
    first->SetHorizontalExtent(pixels);
    EXPECT_EQ(SendMessageA(HandleOf(*first), LB_GETHORIZONTALEXTENT, 0, 0), pixels);
    EXPECT_EQ((GetWindowLongPtrA(HandleOf(*first), GWL_STYLE) & WS_HSCROLL) != 0, pixels > 120)
        << "scrolls sideways only when wider than the box: " << pixels;
    EXPECT_EQ(first->Height(), (7 * row + 4) * 15) << "a scroll bar takes rows, not height";
  }
}

TEST_F(ListBoxTest, PaintsItsBackColourThroughTheWindow) {
  const std::pair<Color, COLORREF> rows[] = {{0x80000014, GetSysColor(COLOR_BTNHIGHLIGHT)},
                                             {0x8000000F, GetSysColor(COLOR_BTNFACE)},
                                             {0x00336699, RGB(0x99, 0x66, 0x33)}};
  HDC dc = GetDC(HandleOf(*first));
  for (const auto& [color, expected] : rows) {
    first->SetBackColor(color);
    LOGBRUSH brush{};
    GetObjectA(reinterpret_cast<HBRUSH>(SendMessageA(hwnd(), WM_CTLCOLORLISTBOX,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(HandleOf(*first)))),
               sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, expected) << std::hex << color;
    EXPECT_EQ(GetBkColor(dc), expected) << std::hex << color;
  }
  ReleaseDC(HandleOf(*first), dc);
}

// OLE's reference goes with the box, and one kept elsewhere reaches no
// handler of the program.
TEST_F(ListBoxTest, RevokesItsShellDropTargetBeforeItGoes) {
  int heard = 0;
  ListBox::Events on;
  on.shellDragOver = [&](bool, int) { return ++heard, kDropCopy; };
  on.shellDrop = [&](const Texts&) { ++heard; };
  auto box = window->CreateListBox(on);
  IDropTarget* target = static_cast<ListBoxControl&>(*box).shellDropTarget();
  target->AddRef();
  box.reset();
  DWORD effect = DROPEFFECT_COPY;
  target->DragOver(MK_LBUTTON, {10, 10}, &effect);
  EXPECT_EQ(effect + static_cast<DWORD>(heard), 0u) << "DROPEFFECT_NONE, no handler";
  EXPECT_EQ(target->Release(), 0u) << "no reference left elsewhere";
}

// The mouse messages this thread takes from its queue: the drag test waits
// for its own input to arrive before looking.
std::vector<std::pair<UINT, POINT>> mouseSeen;

LRESULT CALLBACK WatchMouse(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    mouseSeen.emplace_back(static_cast<UINT>(wParam),
                           reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam)->pt);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class DragTest : public ListBoxTest {
 protected:
  void SetUp() override {
    dragOnPress = true;
    second = Logged(2);
    window->SetLeft(1500);
    window->SetTop(1500);
    for (ListBox* box : {first.get(), second.get()}) {
      box->SetItems({"a.txt", "b.txt", "c.txt"});
      box->SetLeft(box == first.get() ? 0 : 2400);
      box->SetWidth(1800);
      box->SetHeight(1500);
      box->SetVisible(true);
    }
    // Not made by the adapter, though its user data points at a box.
    foreign.reset(CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE, 125, 100, 30, 50, hwnd(),
                                  nullptr, GetModuleHandleA(nullptr), nullptr));
    SetWindowLongPtrA(foreign.get(), GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(static_cast<ListBoxControl*>(second.get())));
    window->Show();
  }
  void TearDown() override {
    if (GetKeyState(VK_LBUTTON) < 0) Send(MOUSEEVENTF_LEFTUP, WM_LBUTTONUP);
    UnhookWindowsHookEx(hook);
  }

  static POINT On(HWND hwnd, int x, int y) {
    POINT point{x, y};
    ClientToScreen(hwnd, &point);
    return point;
  }
  static POINT On(ListBox& box, int x, int y) { return On(HandleOf(box), x, y); }
  POINT Nowhere() { return On(hwnd(), 140, 50); }  // between the boxes

  // One input event at the cursor, waited for until this thread has taken
  // and dispatched it.
  void Send(DWORD flags, UINT message) {
    POINT point{};
    GetCursorPos(&point);
    mouseSeen.clear();
    INPUT input{INPUT_MOUSE, {}};
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    ASSERT_TRUE(PumpUntil([&] {
      return std::any_of(mouseSeen.begin(), mouseSeen.end(), [&](const auto& seen) {
        return seen.first == message && seen.second.x == point.x && seen.second.y == point.y;
      });
    })) << "mouse message "
        << message << " did not arrive";
    // A move the system makes of its own (SetCursorPos warps the pointer)
    // arrives before the next step, however busy the machine.
    for (std::size_t seen = 0; seen != mouseSeen.size();) {
      seen = mouseSeen.size();
      Sleep(30);
      ws.DoEvents();
    }
  }
  void MoveTo(POINT point) {
    SetCursorPos(point.x, point.y);
    Send(MOUSEEVENTF_MOVE, WM_MOUSEMOVE);
  }
  // Presses on a row of box 1 (a new row each time: the same spot again
  // would be a double click) and logs the cursor; returns the y pressed.
  int PressOnRow(int index) {
    RECT row{};
    SendMessageA(HandleOf(*first), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&row));
    const int y = (row.top + row.bottom) / 2;
    MoveTo(On(*first, 10, y));
    log.clear();
    Send(MOUSEEVENTF_LEFTDOWN, WM_LBUTTONDOWN);
    log.push_back(Cursor());
    EXPECT_EQ(GetCapture(), HandleOf(*first)) << "the drag should hold the mouse";
    return y;
  }
  static std::string Cursor() {
    return GetCursor() == DragCursorHandle(DragCursor::Copy)    ? "copy"
           : GetCursor() == DragCursorHandle(DragCursor::Arrow) ? "arrow"
                                                                : "other";
  }

  HHOOK hook = SetWindowsHookExA(WH_MOUSE, &WatchMouse, nullptr, GetCurrentThreadId());
  UniqueWindow foreign;
};

TEST_F(DragTest, PassesOverTheBoxesUnderTheMouseAndDropsOnTheLastOne) {
  const int y = PressOnRow(1);
  for (POINT point : {On(*first, 30, 20), On(*second, 7, 9), On(*first, 4, 5), Nowhere(),
                      On(foreign.get(), 5, 5), On(*second, 20, 30)}) {
    MoveTo(point);
    log.push_back(Cursor());
  }
  Send(MOUSEEVENTF_LEFTUP, WM_LBUTTONUP);
  MoveTo(On(*second, 21, 31));
  EXPECT_EQ(log, (Texts{"down 1 1 0 150 " + std::to_string(y * 15) + " selected -1", "copy",
                        "over 1 450 300 from 1", "arrow", "over 2 105 135 from 1", "copy",
                        "over 1 60 75 from 1", "arrow", "arrow", "arrow", "over 2 300 450 from 1",
                        "copy", "drop 2 300 450 from 1 captured 0", "move 2 0"}));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(first->Selected(), -1) << "the control's own press was skipped";
}

}  // namespace
}  // namespace vantiro::win32
