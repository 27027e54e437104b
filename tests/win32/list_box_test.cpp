// List boxes read back from the real control: texts, selection, geometry,
// colour and mouse events; a box whose rows the program chooses.
#include <sstream>

#include "tests/win32/win32_test_support.h"
#include "win32/shell_items.h"

namespace vantiro::win32 {
namespace {

using namespace testing;
using Texts = std::vector<std::string>;

const Texts kNames = {"Ünïcødé", "日本", "&%^", "", "plain"};

// Box 1 on the window, whose events write what they hear to the log:
// "down box button shift x y selected row", "dblclick box"... A left press
// asks whether a drag starts when dragOnPress.
class ListBoxTest : public AdapterTest {
 protected:
  template <typename... Parts>
  void Log(const Parts&... parts) {
    std::ostringstream line;
    ((line << parts << ' '), ...);
    log.push_back(line.str().substr(0, line.str().size() - 1));
  }
  std::unique_ptr<ListBox> Logged(int n, bool many = false) {
    return window->CreateListBox({
        .click = [this, n] { Log("click", n); },
        .dblClick = [this, n] { Log("dblclick", n); },
        .mouseDown =
            [this, n](const MouseEvent& e) {
              ListBox& box = n == 1 ? *first : *second;
              Log("down", n, e.button, e.shift, e.x, e.y, "selected", box.Selected());
              if (dragOnPress) Log("drag", box.DragStarts());
              if (onPress) onPress();
            },
        .mouseMove = [this, n](const MouseEvent& e) { Log("move", n, e.button); },
        .shellDragOver = {},
        .shellDrop = {},
        .keyDown = [this, n](const KeyEvent& e) { return Log("key", n, e.keyCode), e.shift != 0; },
        .keyPress = {},
        .menuKey = [this, n] { Log("menu key", n); },
        .selectsMany = many,
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
  first->Select(0);
  first->SetItems(kNames);
  EXPECT_EQ(SendMessageA(HandleOf(*first), LB_GETCOUNT, 0, 0), std::ssize(kNames));
  EXPECT_EQ(first->Selected(), -1) << "new rows come unselected";
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
  first->ShowRows(40, [&](std::size_t index) { return rows[index]; }, {{{30, 30}}, 30, 20});
  first->ShowMoreRows(50);
  EXPECT_EQ(std::pair(first->Selected(), first->TopIndex()), std::pair(30, 20));
  const auto ask = [&](UINT message, WPARAM start, const wchar_t* text) {
    return SendMessageW(HandleOf(*first), message, start, reinterpret_cast<LPARAM>(text));
  };
  EXPECT_EQ(ask(LB_FINDSTRING, 31, L"TAR"), 30) << "round to the top";
  EXPECT_EQ(ask(LB_GETTEXTLEN, 50, nullptr), LB_ERR);
  first->BlankRows();  // while the next rows are read: as many, none selected, all blank
  EXPECT_EQ(
      std::tuple(first->Selected(), ask(LB_GETCOUNT, 0, nullptr), ask(LB_FINDSTRING, 0, L"TAR")),
      std::tuple(-1, 50, LB_ERR));
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
  first->SetHeight(0);
  EXPECT_EQ(first->Height(), 0) << "closed, not a border high";
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
  int menuKeys = 0;
  events.menuKey = [&] { ++menuKeys; };
  auto box = window->CreateListBox(std::move(events));
  box->SetItems({"apple", "banana", "cherry"});
  box->Select(0);
  RECT inside{};  // a right press there: a point in the box, not in a caption
  GetWindowRect(HandleOf(*box), &inside);
  for (const LPARAM where : {LPARAM{-1}, MAKELPARAM(inside.left + 5, inside.top + 5)})
    SendMessageW(HandleOf(*box), WM_CONTEXTMENU, 0, where);
  EXPECT_EQ(menuKeys, 1) << "Shift+F10 or the menu key, not a right press";
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

// A drag over the box tells the program the shift keys held. OLE's
// reference goes with the box, and one kept elsewhere reaches no handler of
// the program.
TEST_F(ListBoxTest, RevokesItsShellDropTargetBeforeItGoes) {
  int heard = 0, keys = 0;
  ListBox::Events on;
  on.shellDragOver = [&](bool, int, int held) { return keys = held, ++heard, kDropCopy; };
  Texts dropped;
  on.shellDrop = [&](const Texts& files, int) { dropped = files, ++heard; };
  auto box = window->CreateListBox(on);
  IDropTarget* target = static_cast<ListBoxControl&>(*box).shellDropTarget();
  EXPECT_EQ(target->QueryInterface(IID_IDropTarget, nullptr), E_POINTER);
  void* unknown = nullptr;
  ASSERT_EQ(target->QueryInterface(IID_IUnknown, &unknown), S_OK);
  static_cast<IUnknown*>(unknown)->Release();
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  for (const auto& [held, told] :
       {std::pair{MK_SHIFT | MK_CONTROL, kShiftKey | kCtrlKey}, {0, 0}, {MK_ALT, kAltKey}}) {
    target->DragOver(MK_LBUTTON | held, {10, 10}, &effect);
    EXPECT_EQ(std::pair(keys, effect), std::pair(told, DWORD{DROPEFFECT_COPY})) << held;
  }
  IDataObject* files = nullptr;
  ASSERT_TRUE(
      ShellUIObject({SelfPath()}, hwnd(), IID_IDataObject, reinterpret_cast<void**>(&files)));
  target->Drop(files, MK_LBUTTON, {10, 10}, &effect);
  files->Release();
  for (MSG msg{}; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
  EXPECT_EQ(dropped, Texts{SelfPath()});
  heard = 0;
  target->AddRef();
  box.reset();
  target->DragOver(MK_LBUTTON, {10, 10}, &effect);
  EXPECT_EQ(effect + static_cast<DWORD>(heard), 0u) << "DROPEFFECT_NONE, no handler";
  EXPECT_EQ(target->Release(), 0u) << "no reference left elsewhere";
}

// A box whose rows the program chooses shows the runs it is given; its
// presses, a double click and the keys that would move its selection are
// the program's alone, and a key with Ctrl comes before the menus'.
TEST_F(ListBoxTest, ABoxOfManyRowsShowsWhatTheProgramChoosesAndLeavesItThePresses) {
  second = Logged(2, true);
  HWND many = HandleOf(*second);
  second->SetItems(kNames);
  second->SelectRows({{0, 1}, {3, 3}}, 3);
  const auto shown = [many] {
    int rows[8] = {};
    const auto count = SendMessageW(many, LB_GETSELITEMS, 8, reinterpret_cast<LPARAM>(rows));
    return std::pair(std::vector<int>(rows, rows + std::max<LRESULT>(count, 0)),
                     static_cast<int>(SendMessageW(many, LB_GETCARETINDEX, 0, 0)));
  };
  EXPECT_EQ(shown(), std::pair(std::vector{0, 1, 3}, 3));
  dragOnPress = true;
  HoldLeftButton(true);
  PostMessageW(many, WM_LBUTTONUP, 0, MAKELPARAM(5, 60));
  SendMessageW(many, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 60));
  PostMessageW(many, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 60));
  SendMessageW(many, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 60));
  for (const WPARAM key : {WPARAM{VK_DOWN}, WPARAM{VK_SPACE}, WPARAM{'A'}})
    SendMessageW(many, WM_KEYDOWN, key, 0);
  PostMessageW(many, WM_LBUTTONUP, 0, MAKELPARAM(5, 60));
  SendMessageW(many, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 60));
  HoldLeftButton(false);
  EXPECT_EQ(shown(), std::pair(std::vector{0, 1, 3}, 3)) << "nothing of the box's own";
  EXPECT_EQ(SendMessageW(many, ControlKeyMessage(), 'A', 0), FALSE);
  second->Select(-1);
  EXPECT_EQ(std::pair(second->Selected(), shown().first.size()), std::pair(-1, std::size_t{0}));
  EXPECT_EQ(log, (Texts{"down 2 1 0 75 900 selected 3", "drag 0", "down 2 1 0 75 900 selected 3",
                        "drag 1", "key 2 40", "key 2 32", "key 2 65",
                        "down 2 1 0 75 900 selected 3", "drag 0", "dblclick 2", "key 2 65"}));
}

}  // namespace
}  // namespace vantiro::win32
