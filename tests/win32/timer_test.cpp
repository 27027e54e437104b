// Timers and the message loop: ticks only while enabled, and Run ends
// with the event that quits.
#include <gtest/gtest.h>

#include "tests/win32/win32_test_support.h"
#include "win32/top_window.h"
#include "win32/window_system.h"

namespace vantiro::win32 {
namespace {

using namespace std::chrono_literals;
using testing::PumpFor;
using testing::PumpUntil;

TEST(TimerTest, TicksOnlyWhileEnabled) {
  Win32WindowSystem ws;
  int ticks = 0;
  auto timer = ws.CreateTimer(20, [&] { ++ticks; });
  EXPECT_FALSE(timer->Enabled());
  PumpFor(ws, 150ms);
  EXPECT_EQ(ticks, 0) << "a new timer starts disabled";
  timer->SetEnabled(true);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_TRUE(PumpUntil(ws, [&] { return ticks >= 3; }));
  timer->SetEnabled(false);
  EXPECT_FALSE(timer->Enabled());
  const int seen = ticks;
  PumpFor(ws, 150ms);
  EXPECT_EQ(ticks, seen);
}

// The loop ends with the event that quits: neither a message posted
// meanwhile nor a due tick runs, and no quit message is left behind for
// later modal loops.
TEST(RunTest, ReturnsAfterTheEventThatQuits) {
  Win32WindowSystem ws;
  testing::MenuClicks clicks;
  auto window = ws.CreateTopWindow(
      {"Vantiro run test", WindowKind::SizableToolWindow, 3000, 3000, testing::TestMenuBar(clicks)},
      {});
  HWND hwnd = static_cast<TopWindow&>(*window).handle();
  const UINT refresh = GetMenuItemID(GetSubMenu(GetMenu(hwnd), 0), 3);
  int ticks = 0;
  auto timer = ws.CreateTimer(10, [&] {
    if (++ticks < 3) return;
    ws.Quit();
    PostMessageA(hwnd, WM_COMMAND, refresh, 0);
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

}  // namespace
}  // namespace vantiro::win32
