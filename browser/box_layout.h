// The main window's layout: it always shows boxes 0 to LastBox and, when it
// has files, the file list, and takes their width; a box that stops being
// active shrinks back step by step on Timer1 when the animation is on.
// "Min" folds the window up to its caption and menu bar, "Max" unfolds it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "browser/chain_lists.h"
#include "chain/folder_chain.h"
#include "platform/window_system.h"
#include "preview/previews.h"
#include "settings/options.h"

namespace vantiro {

class BoxLayout {
 public:
  // "Stay always on top": folded up by "Min", the windows stay above the
  // others; unfolded, the option holds again.
  class OnTop {
   public:
    virtual void SetAllTopMost() = 0;
    virtual void ApplyTopMost() = 0;

   protected:
    ~OnTop() = default;
  };
  // restoring: a saved chain opens again, and the window only widens.
  BoxLayout(WindowSystem& ws, Window& main, const FolderChain& chain, ChainLists& lists,
            Previews& previews, const Appearance& look, OnTop& onTop,
            std::function<bool()> restoring);

  // The menu entries "Min" and "Max".
  static std::vector<MenuItem> MenuEntries(HandlerOf<BoxLayout> of);
  // The window as wide as the boxes in use and the file list.
  void ResizeWindow();
  // The user sized the window: the lists follow its height, the file list
  // its width.
  void Form_Resize();
  // The program's switch of the animation, on or off at each folder click.
  void SetTimer1Enabled(bool enabled);
  // A box may have to move: the timer runs while one does.
  void WakeTimer1();
  // Folded up by "Min".
  bool IsReduced() const { return Reduced; }
  void mnuReduce_Click();
  void mnuRestore_Click();

 private:
  void KeepActiveBoxOnScreen();
  void Timer1_Timer();
  bool AnyBoxMoving();
  Twips AnimationStep() const;

  WindowSystem& ws_;
  Window& main_;
  const FolderChain& chain_;
  ChainLists& lists_;
  Previews& previews_;
  const Appearance& look_;
  OnTop& onTop_;
  std::function<bool()> restoring_;
  bool Reduced = false;
  std::int32_t NormalHeight = 0;  // the height "Max" gives back
  bool timer1Enabled_ = false;    // the program's switch; the timer sleeps while nothing moves
  std::unique_ptr<Timer> Timer1;
};

}  // namespace vantiro
