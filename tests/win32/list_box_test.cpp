// List boxes read back from the real control: texts, selection, geometry,
// colour and mouse events; the drag from one box to another.
#include <sstream>

#include "tests/win32/win32_test_support.h"

namespace vantiro::win32 {
namespace {

using namespace testing;
using Texts = std::vector<std::string>;

const Texts kNames = {"Ünïcødé", "日本", "&%^", "", "plain"};

// Boxes 1 and 2 on the window, whose events write what they hear to the log:
// "down box button shift x y", "over box x y from source box"... A left
// press starts a drag from box 1 when dragOnPress; the drag shows the arrow
// over box 1, like the file list over itself, and copy elsewhere.
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
              if (onPress) onPress();
            },
        .mouseMove = [this, n](const MouseEvent& e) { Log("move", n, e.button); },
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
        .keyDown = {},
        .keyPress = {},
    });
  }

  Texts log;
  bool dragOnPress = false;
  std::function<void()> onPress;  // what else the press handler does
  // The button as the thread last saw it, which the box reads after a press.
  static void HoldLeftButton(bool held) {
    BYTE keys[256] = {};
    keys[VK_LBUTTON] = held ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  std::unique_ptr<ListBox> first = Logged(1);
  std::unique_ptr<ListBox> second;
};

// The box shows the entries it is given, in UTF-8; the program's Select
// only shows a selection, the user's change clicks.
TEST_F(ListBoxTest, ShowsItsRowsInUtf8AndClicksOnlyForTheUser) {
  first->SetItems({"old"});
  first->SetItems(kNames);
  EXPECT_EQ(SendMessageA(HandleOf(*first), LB_GETCOUNT, 0, 0), std::ssize(kNames));
  wchar_t wide[16] = {};
  SendMessageW(HandleOf(*first), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(wide));
  EXPECT_STREQ(wide, L"\u65E5\u672C");
  for (int index : {2, 0, -1}) {
    first->Select(index);
    EXPECT_EQ(first->Selected(), index);
  }
  SendMessageA(GetParent(HandleOf(*first)), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(HandleOf(*first)));
  EXPECT_EQ(log, Texts{"click 1"});
  auto plain = window->CreateListBox({});
  plain->SetItems(kNames);
  SendMessageA(HandleOf(*plain), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 20));
  SendMessageA(HandleOf(*plain), WM_LBUTTONUP, 0, MAKELPARAM(5, 20));
  EXPECT_EQ(plain->Selected(), 1) << "without a press handler the control selects";

  // Rows read from the program: more of them keep the selection and the
  // scroll, and other programs find them by their beginning, ignoring case.
  std::vector<std::string> rows(50, "row");
  rows[30] = "Target";
  first->ShowRows(40, [&](std::size_t index) { return rows[index]; });
  first->Select(30);
  first->SetTopIndex(20);
  first->ShowMoreRows(50);
  EXPECT_EQ(std::pair(first->Selected(), first->TopIndex()), std::pair(30, 20));
  const auto ask = [&](UINT message, WPARAM start, const wchar_t* text) {
    return SendMessageW(HandleOf(*first), message, start, reinterpret_cast<LPARAM>(text));
  };
  EXPECT_EQ(ask(LB_FINDSTRING, 31, L"TAR"), 30) << "round to the top";
  EXPECT_EQ(ask(LB_GETTEXTLEN, 50, nullptr), LB_ERR);
}

// The control takes a press after its handler, and captures the mouse until
// the release; a release that came while the handler ran (it showed a
// message box) leaves no capture behind.
TEST_F(ListBoxTest, APressReleasedWhileItsHandlerRanLeavesNoCapture) {
  first->SetItems(kNames);
  for (const bool releasedMeanwhile : {false, true}) {
    HoldLeftButton(true);
    if (releasedMeanwhile) onPress = [] { HoldLeftButton(false); };
    SendMessageA(HandleOf(*first), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 20));
    EXPECT_EQ(GetCapture() == HandleOf(*first), !releasedMeanwhile) << releasedMeanwhile;
    ReleaseCapture();
  }
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
    first->SetHorizontalExtent(pixels * 15);
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

// A button pressed elsewhere and brought in held is not a press on the box.
TEST_F(ListBoxTest, ReportsTheLeftButtonOnlyForAPressItTook) {
  HoldLeftButton(true);
  for (const auto& [message, keys] : {std::pair{WM_MOUSEMOVE, MK_LBUTTON},
                                      {WM_LBUTTONDOWN, MK_LBUTTON},
                                      {WM_MOUSEMOVE, MK_LBUTTON},
                                      {WM_MOUSEMOVE, 0},
                                      {WM_MOUSEMOVE, MK_LBUTTON},
                                      {WM_LBUTTONUP, 0}})
    SendMessageA(HandleOf(*first), message, keys, MAKELPARAM(5, 5));
  EXPECT_EQ(
      log, (Texts{"move 1 0", "down 1 1 0 75 75 selected -1", "move 1 1", "move 1 0", "move 1 0"}));
}

// A key the program takes never reaches the box; one it leaves moves the
// selection as the box's own. Characters come whole, from the keyboard or
// an input method, in any script; control characters stay the box's.
TEST_F(ListBoxTest, KeysTheProgramTakesNeverReachTheBox) {
  std::u32string typed;
  ListBox::Events events;
  events.keyDown = [](const KeyEvent& e) { return e.keyCode == VK_RIGHT; };
  events.keyPress = [&](const KeyEvent& e) {
    typed += static_cast<char32_t>(e.keyCode);
    return true;
  };
  auto box = window->CreateListBox(std::move(events));
  box->SetItems({"apple", "banana", "cherry"});
  box->Select(0);
  for (const auto& [message, code] : {std::pair<UINT, WPARAM>{WM_KEYDOWN, VK_RIGHT},
                                      {WM_KEYDOWN, VK_DOWN},
                                      {WM_CHAR, 'c'},
                                      {WM_CHAR, VK_ESCAPE},
                                      {WM_CHAR, 0xE9},
                                      {WM_IME_CHAR, 0x43C},
                                      {WM_CHAR, 0xD83D},
                                      {WM_CHAR, 0xDE00},
                                      {WM_IME_CHAR, 0x65E5}})
    SendMessageW(HandleOf(*box), message, code, 0);
  EXPECT_EQ(std::pair(box->Selected(), typed), std::pair(1, std::u32string(U"céм😀日")));
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
  EXPECT_EQ(target->QueryInterface(IID_IDropTarget, nullptr), E_POINTER);
  target->AddRef();
  box.reset();
  DWORD effect = DROPEFFECT_COPY;
  target->DragOver(MK_LBUTTON, {10, 10}, &effect);
  EXPECT_EQ(effect + static_cast<DWORD>(heard), 0u) << "DROPEFFECT_NONE, no handler";
  EXPECT_EQ(target->Release(), 0u) << "no reference left elsewhere";
}

// Boxes 1 and 2 side by side on the shown window; a left press on box 1
// starts a drag. The messages come as the captured box gets them, at points
// in its client area.
class DragTest : public ListBoxTest {
 protected:
  void SetUp() override {
    dragOnPress = true;
    second = Logged(2);
    for (ListBox* box : {first.get(), second.get()}) {
      box->SetItems({"a.txt", "b.txt", "c.txt"});
      box->Move(box == first.get() ? 0 : 2400, 0, 1800, 1500);
      box->SetVisible(true);
    }
    window->Show();
  }
  void Send(UINT message, int x, int y) {
    SendMessageA(HandleOf(*first), message, message == WM_MOUSEMOVE ? MK_LBUTTON : 0,
                 MAKELPARAM(x, y));
  }
};

// Over box 2 the drag shows copy and drops there; a double click dragged
// back onto its own box is the double click; one dragged away drops.
TEST_F(DragTest, PassesOverTheBoxesUnderTheMouseAndDropsOnTheLastOne) {
  for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    Send(press, 10, 20);
    EXPECT_EQ(GetCapture(), HandleOf(*first)) << "the drag holds the mouse";
    Send(WM_MOUSEMOVE, 30, 20);
    Send(WM_MOUSEMOVE, 167, 20);  // 7 pixels into box 2
    Send(WM_LBUTTONUP, 168, 21);
  }
  Send(WM_LBUTTONDBLCLK, 10, 20);
  Send(WM_LBUTTONUP, 11, 20);
  EXPECT_EQ(log, (Texts{"down 1 1 0 150 300 selected -1", "over 1 450 300 from 1",
                        "over 2 105 300 from 1", "drop 2 120 315 from 1 captured 0",
                        "down 1 1 0 150 300 selected -1", "over 1 450 300 from 1",
                        "over 2 105 300 from 1", "drop 2 120 315 from 1 captured 0",
                        "down 1 1 0 150 300 selected -1", "dblclick 1"}));
  EXPECT_EQ(first->Selected(), -1) << "the control's own press was skipped";
}

}  // namespace
}  // namespace vantiro::win32
