// Top windows in twips and whole pixels, their events and lifetime, text
// measured in their font; timers and the message loop; message and input
// boxes answered from a hook as a person would answer them.
#include "tests/win32/win32_test_support.h"
#include "win32/input_box.h"
#include "win32/units.h"

namespace vantiro::win32 {
namespace {

using namespace testing;
using TopWindowTest = AdapterTest;

TEST(ScaleTest, RoundsToNearestWithHalvesToEven) {
  const std::pair<Twips, int> rows[] = {{0, 0},  {5, 0},  {14, 1},   {15, 2},
                                        {25, 2}, {26, 3}, {-15, -2}, {-26, -3}};
  const Scale scale{10, 10};
  for (const auto& [twips, pixels] : rows) EXPECT_EQ(scale.XToPixels(twips), pixels) << twips;
}

TEST_F(TopWindowTest, IsAHiddenToolWindowPlacedInWholePixelsWhetherTopMostOrNot) {
  ASSERT_EQ(ws.TwipsPerPixelX(), 15) << "Wine on Xvfb runs at 96 dpi";
  EXPECT_EQ(ClientSize(hwnd()), Pixels(400, 300));
  EXPECT_EQ(Pixels(window->ClientWidth(), window->ClientHeight()), Pixels(6000, 4500));
  for (const auto& [left, top, x, y] :
       {std::array{457, 607, 30, 40}, {458, 608, 31, 41}, {-458, 0, -31, 0}}) {
    window->SetLeft(left);
    window->SetTop(top);
    EXPECT_EQ(Origin(hwnd()), Pixels(x, y)) << left << " " << top;
    EXPECT_EQ(Pixels(window->Left(), window->Top()), Pixels(x * 15, y * 15));
  }
  const Pixels origin = Origin(hwnd()), size = Size(hwnd());
  for (bool topMost : {true, false}) {
    window->SetTopMost(topMost);
    EXPECT_EQ((GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topMost);
    EXPECT_EQ(Origin(hwnd()), origin);
    EXPECT_EQ(Size(hwnd()), size);
    EXPECT_FALSE(window->Visible());
  }
  window->Show();
  EXPECT_TRUE(IsWindowVisible(hwnd()) && window->Visible());
  window->Hide();
  EXPECT_FALSE(IsWindowVisible(hwnd()) || window->Visible());
}

// So narrow a window that its menu bar takes more than one line.
TEST_F(TopWindowTest, KeepsItsClientSizeAndRunsResizeEventsInsideTheSetters) {
  std::vector<std::string> seen;  // the sizes the resize events saw
  std::unique_ptr<Window> narrow;
  const auto size = [&] {
    return narrow ? std::to_string(narrow->Width()) + "x" + std::to_string(narrow->Height())
                  : "while being created";
  };
  std::vector<MenuItem> bar(8);
  for (std::size_t i = 0; i < bar.size(); ++i) bar[i].caption = "Menu " + std::to_string(i);
  narrow = ws.CreateTopWindow(
      {"Vantiro narrow", WindowKind::SizableToolWindow, 3000, 900, std::move(bar)},
      {[&] { seen.push_back(size()); }, {}, {}, {}, {}});
  MENUBARINFO first{sizeof first, {}, {}, {}, {}, {}}, last = first;
  GetMenuBarInfo(HandleOf(*narrow), OBJID_MENU, 1, &first);
  GetMenuBarInfo(HandleOf(*narrow), OBJID_MENU, 8, &last);
  ASSERT_GT(last.rcBar.top, first.rcBar.top) << "the bar should wrap";
  EXPECT_EQ(ClientSize(HandleOf(*narrow)), Pixels(200, 60));
  EXPECT_EQ(seen, std::vector<std::string>{}) << "the program does not hold the window yet";
  const std::string height = std::to_string(narrow->Height());
  narrow->SetWidth(4500);
  narrow->SetHeight(6000);
  narrow->SetWidth(4500);
  EXPECT_EQ(seen, (std::vector<std::string>{"4500x" + height, "4500x6000"})) << "none: no change";
}

// The close box and Close() both unload; the window's objects outlive it.
TEST_F(TopWindowTest, UnloadsOnceThenStaysSafeToCall) {
  for (const bool closeBox : {false, true}) {
    int unloads = 0;
    auto closing = Create({{}, [&] { ++unloads; }, {}, {}, {}});
    const HWND handle = HandleOf(*closing);
    auto box = closing->CreateListBox({});
    box->SetItems({"a", "b"});
    box->Select(1);
    closeBox ? static_cast<void>(SendMessageA(handle, WM_CLOSE, 0, 0)) : closing->Close();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(HandleOf(*box), nullptr);
    closing->Close();
    closing->SetWidth(3000);
    closing->SetMenuVisible("mnuHelp", false);
    box->SetItems({"a"});
    box->Select(0);
    auto late = closing->CreateListBox({});
    late->AddItem("x");
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(closing->Width() + box->Count() + late->Count(), 0);
    EXPECT_EQ(closing->Caption() + box->Item(0), "");
    EXPECT_FALSE(closing->Visible() || closing->MenuVisible("mnuFile1") || box->Visible());
    EXPECT_EQ(box->Selected(), -1);
  }
}

// The program finds the row under the mouse from TextHeight("A").
TEST_F(TopWindowTest, MeasuresTextInWholePixelsAndALineAsHighAsAListRow) {
  const std::vector<std::string> texts = {"iii", "WWW", "", "日本", "a\nb"};
  const std::vector<Twips> widths = window->TextWidths(texts);
  ASSERT_EQ(widths.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(widths[i], window->TextWidth(texts[i])) << texts[i];
    EXPECT_EQ(widths[i] % 15, 0);
    EXPECT_EQ(window->TextHeight(texts[i]), window->TextHeight("A")) << texts[i];
  }
  EXPECT_TRUE(0 < widths[0] && widths[0] < widths[1] && widths[2] == 0);
  auto box = window->CreateListBox({});
  const LRESULT row = SendMessageA(HandleOf(*box), LB_GETITEMHEIGHT, 0, 0);
  ASSERT_GT(row, 1);
  EXPECT_EQ(window->TextHeight("A"), row * 15);
}

TEST(TimerTest, TicksAtItsIntervalOnlyWhileEnabled) {
  Win32WindowSystem ws;
  int ticks = 0;
  auto timer = ws.CreateTimer(100, [&] { ++ticks; });
  EXPECT_FALSE(PumpUntil(
      ws, [&] { return ticks > 0; }, 250ms))
      << "a new timer starts disabled";
  EXPECT_FALSE(timer->Enabled());
  timer->SetEnabled(true);
  EXPECT_TRUE(timer->Enabled());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(PumpUntil(
      ws, [&] { return ticks >= 3; }, 1s));
  EXPECT_GE(std::chrono::steady_clock::now() - start, 280ms) << "three ticks 100 ms apart";
  timer->SetEnabled(false);
  EXPECT_FALSE(timer->Enabled());
  const int seen = ticks;
  EXPECT_FALSE(PumpUntil(
      ws, [&] { return ticks > seen; }, 250ms));
}

// The loop ends with the event that quits: neither a message posted
// meanwhile nor a due tick runs, and no quit message is left behind for
// later modal loops.
TEST_F(TopWindowTest, RunReturnsAfterTheEventThatQuits) {
  const UINT refresh = GetMenuItemID(GetSubMenu(GetMenu(hwnd()), 0), 3);
  int ticks = 0;
  auto timer = ws.CreateTimer(10, [&] {
    if (++ticks < 3) return;
    ws.Quit();
    PostMessageA(hwnd(), WM_COMMAND, refresh, 0);
    Sleep(30);
    ws.DoEvents();
  });
  timer->SetEnabled(true);
  const UINT_PTR safety =
      SetTimer(nullptr, 0, 2000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); });
  EXPECT_EQ(ws.Run(), 0);
  KillTimer(nullptr, safety);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(clicks.refresh, 0);
  MSG msg{};
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Typed and OK, left as it was and OK, typed and Cancel, the close box.
TEST_F(TopWindowTest, InputBoxShowsItsTextsAndReturnsWhatWasTypedOrNothing) {
  const std::string prompt = "New name for \"&%^\":", title = "Rename 日本", typed = "my 日本";
  const std::string defaultText = "Ünïcødé.txt";
  const std::tuple<bool, int, std::string> rows[] = {
      {true, IDOK, typed}, {false, IDOK, defaultText}, {true, IDCANCEL, ""}, {true, 0, ""}};
  for (const auto& [types, close, expected] : rows) {
    std::vector<std::string> shown;
    DWORD selStart = 1, selEnd = 0;
    DialogAnswerer answerer([&](HWND dialog) {
      HWND edit = GetDlgItem(dialog, kInputBoxEditId);
      shown = {WindowText(dialog), WindowText(GetDlgItem(dialog, kInputBoxPromptId)),
               WindowText(edit), WindowText(GetDlgItem(dialog, IDOK)),
               WindowText(GetDlgItem(dialog, IDCANCEL))};
      SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                   reinterpret_cast<LPARAM>(&selEnd));
      selEnd -= static_cast<DWORD>(GetWindowTextLengthW(edit));
      if (types) SetWindowTextA(edit, typed.c_str());
      if (close == 0) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      if (close != 0) Press(dialog, close);
    });
    EXPECT_EQ(ws.InputBox(prompt, title, defaultText), expected) << close;
    EXPECT_EQ(shown, (std::vector<std::string>{title, prompt, defaultText, "OK", "Cancel"}));
    EXPECT_EQ(selStart + selEnd, 0u) << "the default text is selected";
  }
}

}  // namespace
}  // namespace vantiro::win32
