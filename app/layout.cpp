// The window always shows boxes 0 to LastBox and, when it has items, the
// file list; a box that stops being active may shrink back on the timer.
#include <cstdlib>

#include "app/form1.h"
#include "commands/menu_names.h"

namespace vantiro {

namespace {

Twips FrameWidth(const Window& window) { return window.Width() - window.ClientWidth(); }

Twips FrameHeight(const Window& window) { return window.Height() - window.ClientHeight(); }

}  // namespace

void Form1::ResizeWindow() {
  const FolderChain& chain = browser_->chain();
  std::int64_t width = FrameWidth(*window_) + std::int64_t{chain.LastBox()} * look_.boxesWidth +
                       look_.activeBoxWidth;
  if (!chain.files().entries.empty()) width += browser_->lists().Files().Width();
  // While a saved chain opens again (at the start, or after F5) the window
  // only widens: narrowed and widened again at each box, it would spend a
  // new layout on each, and the chain mostly comes back as wide as it was.
  if (!browser_->Restoring() || width > window_->Width()) window_->SetWidth(ClampTwips(width));
  window_->SetHeight(FrameHeight(*window_) + browser_->lists().Dir(0).Height());
  KeepActiveBoxOnScreen();
}

// A deep chain makes the window run off the right of the screen: it moves
// left just enough that the active box and the file list stay in sight. The
// narrow boxes to the left are reached by moving the window back.
void Form1::KeepActiveBoxOnScreen() {
  const WindowSystem::Area work = ws_.WorkArea();
  const std::int64_t over =
      std::int64_t{window_->Left()} + window_->Width() - (std::int64_t{work.left} + work.width);
  if (over > 0) window_->SetLeft(ClampTwips(window_->Left() - over));
}

void Form1::Form_Resize() {
  // The window system may report a size while the window is being created.
  if (!window_ || !browser_ || browser_->lists().DirCount() == 0) return;
  if (Reduced) {
    if (!window_->MenuVisible(menu::mnuReduce)) {
      mnuRestore_Click();
      ResizeWindow();
    }
    return;
  }
  if (window_->State() != WindowState::Normal) return;
  const Twips clientHeight = window_->ClientHeight();
  ListBox& files = browser_->lists().Files();
  if (browser_->lists().Dir(0).Height() != clientHeight) {
    for (int i = 0; i < browser_->lists().DirCount(); ++i)
      browser_->lists().Dir(i).SetHeight(clientHeight);
    files.SetHeight(clientHeight);
    // The lists show whole rows: snap the window to the height they took.
    window_->SetHeight(FrameHeight(*window_) + browser_->lists().Dir(0).Height());
  }
  const Twips room = window_->ClientWidth() - files.Left();
  if (room > 0) files.SetWidth(room);
}

Twips Form1::AnimationStep() const { return std::abs(look_.activeBoxWidth - look_.boxesWidth) / 5; }

void Form1::Timer1_Timer() {
  const Twips step = AnimationStep(), narrow = look_.boxesWidth;
  for (int i = 0; i < browser_->chain().LastBox(); ++i) {
    ListBox& box = browser_->lists().Dir(i);
    if (box.Width() >= narrow + step) box.SetWidth(box.Width() - step);
    if (box.Width() <= narrow - step) box.SetWidth(box.Width() + step);
    if (box.Width() > narrow - step && box.Width() < narrow + step) box.SetWidth(narrow);
  }
  WakeTimer1();
}

bool Form1::AnyBoxMoving() {
  if (AnimationStep() == 0) return false;
  for (int i = 0; i < browser_->chain().LastBox(); ++i) {
    if (browser_->lists().Dir(i).Width() != look_.boxesWidth) return true;
  }
  return false;
}

void Form1::SetTimer1Enabled(bool enabled) {
  timer1Enabled_ = enabled;
  WakeTimer1();
}

// Ticks that would change nothing are not worth waking the program for.
void Form1::WakeTimer1() {
  const bool run = timer1Enabled_ && AnyBoxMoving();
  if (timer1_->Enabled() != run) timer1_->SetEnabled(run);
}

void Form1::mnuReduce_Click() {
  Reduced = true;
  NormalHeight = window_->Height();
  window_->SetHeight(window_->Height() - window_->ClientHeight());
  window_->SetMenuVisible(menu::mnuRestore, true);
  window_->SetMenuVisible(menu::mnuReduce, false);
  previews_->DockPlayer();
  SetAllTopMost();
}

void Form1::mnuRestore_Click() {
  window_->SetHeight(NormalHeight);
  Reduced = false;
  window_->SetMenuVisible(menu::mnuRestore, false);
  window_->SetMenuVisible(menu::mnuReduce, true);
  ResizeWindow();
  previews_->DockPlayer();
  ApplyTopMost();
}

}  // namespace vantiro
