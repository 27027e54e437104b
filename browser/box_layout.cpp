#include "browser/box_layout.h"

#include <cstdlib>

#include "commands/menu_names.h"

namespace vantiro {
namespace {

constexpr int kTimer1Interval = 50;

Twips FrameWidth(const Window& window) { return window.Width() - window.ClientWidth(); }

Twips FrameHeight(const Window& window) { return window.Height() - window.ClientHeight(); }

}  // namespace

BoxLayout::BoxLayout(WindowSystem& ws, Window& main, const FolderChain& chain, ChainLists& lists,
                     Previews& previews, const Appearance& look, OnTop& onTop,
                     std::function<bool()> restoring)
    : ws_(ws),
      main_(main),
      chain_(chain),
      lists_(lists),
      previews_(previews),
      look_(look),
      onTop_(onTop),
      restoring_(std::move(restoring)),
      Timer1(ws.CreateTimer(kTimer1Interval, [this] { Timer1_Timer(); })) {}

std::vector<MenuItem> BoxLayout::MenuEntries(HandlerOf<BoxLayout> of) {
  return {
      Item(menu::mnuReduce, "Min", {}, Calls(of, &BoxLayout::mnuReduce_Click)),
      Visible(Item(menu::mnuRestore, "Max", {}, Calls(of, &BoxLayout::mnuRestore_Click)), false)};
}

void BoxLayout::ResizeWindow() {
  std::int64_t width =
      FrameWidth(main_) + std::int64_t{chain_.LastBox()} * look_.boxesWidth + look_.activeBoxWidth;
  if (!chain_.files().entries.empty()) width += lists_.Files().Width();
  // While a saved chain opens again (at the start, or after F5) the window
  // only widens: narrowed and widened again at each box, it would spend a
  // new layout on each, and the chain mostly comes back as wide as it was.
  if (!restoring_() || width > main_.Width()) main_.SetWidth(ClampTwips(width));
  main_.SetHeight(FrameHeight(main_) + lists_.Dir(0).Height());
  KeepActiveBoxOnScreen();
}

// A deep chain makes the window run off the right of the screen: it moves
// left just enough that the active box and the file list stay in sight. The
// narrow boxes to the left are reached by moving the window back.
void BoxLayout::KeepActiveBoxOnScreen() {
  const WindowSystem::Area work = ws_.WorkArea();
  const std::int64_t over =
      std::int64_t{main_.Left()} + main_.Width() - (std::int64_t{work.left} + work.width);
  if (over > 0) main_.SetLeft(ClampTwips(main_.Left() - over));
}

void BoxLayout::Form_Resize() {
  if (lists_.DirCount() == 0) return;
  if (Reduced) {
    if (!main_.MenuVisible(menu::mnuReduce)) {
      mnuRestore_Click();
      ResizeWindow();
    }
    return;
  }
  if (main_.State() != WindowState::Normal) return;
  const Twips clientHeight = main_.ClientHeight();
  ListBox& files = lists_.Files();
  if (lists_.Dir(0).Height() != clientHeight) {
    for (int i = 0; i < lists_.DirCount(); ++i) lists_.Dir(i).SetHeight(clientHeight);
    files.SetHeight(clientHeight);
    // The lists show whole rows: snap the window to the height they took.
    main_.SetHeight(FrameHeight(main_) + lists_.Dir(0).Height());
  }
  const Twips room = main_.ClientWidth() - files.Left();
  if (room > 0) files.SetWidth(room);
}

Twips BoxLayout::AnimationStep() const {
  return std::abs(look_.activeBoxWidth - look_.boxesWidth) / 5;
}

void BoxLayout::Timer1_Timer() {
  const Twips step = AnimationStep(), narrow = look_.boxesWidth;
  for (int i = 0; i < chain_.LastBox(); ++i) {
    ListBox& box = lists_.Dir(i);
    if (box.Width() >= narrow + step) box.SetWidth(box.Width() - step);
    if (box.Width() <= narrow - step) box.SetWidth(box.Width() + step);
    if (box.Width() > narrow - step && box.Width() < narrow + step) box.SetWidth(narrow);
  }
  WakeTimer1();
}

bool BoxLayout::AnyBoxMoving() {
  if (AnimationStep() == 0) return false;
  for (int i = 0; i < chain_.LastBox(); ++i) {
    if (lists_.Dir(i).Width() != look_.boxesWidth) return true;
  }
  return false;
}

void BoxLayout::SetTimer1Enabled(bool enabled) {
  timer1Enabled_ = enabled;
  WakeTimer1();
}

// Ticks that would change nothing are not worth waking the program for.
void BoxLayout::WakeTimer1() {
  const bool run = timer1Enabled_ && AnyBoxMoving();
  if (Timer1->Enabled() != run) Timer1->SetEnabled(run);
}

void BoxLayout::mnuReduce_Click() {
  Reduced = true;
  NormalHeight = main_.Height();
  main_.SetHeight(main_.Height() - main_.ClientHeight());
  main_.SetMenuVisible(menu::mnuRestore, true);
  main_.SetMenuVisible(menu::mnuReduce, false);
  previews_.DockPlayer();
  onTop_.SetAllTopMost();
}

void BoxLayout::mnuRestore_Click() {
  main_.SetHeight(NormalHeight);
  Reduced = false;
  main_.SetMenuVisible(menu::mnuRestore, false);
  main_.SetMenuVisible(menu::mnuReduce, true);
  ResizeWindow();
  previews_.DockPlayer();
  onTop_.ApplyTopMost();
}

}  // namespace vantiro
