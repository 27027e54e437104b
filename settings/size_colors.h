// "Size and colors preferencies": the widths of the boxes in pixels, the
// back colours of the folder boxes and of the file list, and the animation
// option. The dialog works on its own copies until OK or Apply.
#pragma once

#include <functional>
#include <memory>

#include "platform/window_system.h"
#include "settings/color_browser.h"
#include "settings/options.h"

namespace vantiro {

class Form4 {
 public:
  struct Events {
    // OK or Apply: the values chosen.
    std::function<void(const Appearance& chosen, bool animation)> apply;
    std::function<void()> unload;
  };
  Form4(WindowSystem& ws, Events events);

  Window& window() { return *window_; }
  bool unloaded() const { return unloaded_; }
  ScrollBar& HScroll1() { return *hScroll1_; }
  ScrollBar& HScroll2() { return *hScroll2_; }
  Label& Label1() { return *label1_; }
  Label& Label2() { return *label2_; }
  CheckBox& Check1() { return *check1_; }
  ColorBrowser& ColorBrowser1() { return *colorBrowser1_; }
  ColorBrowser& ColorBrowser2() { return *colorBrowser2_; }

  void Form_Load(const Appearance& current, bool animation);
  void Form_Unload();
  void Command1_Click();                       // OK
  void Command2_Click() { window_->Close(); }  // Cancel
  void Command3_Click();                       // Apply
  void Command4_Click() { colorBrowser1_->SetSelectedColor(0x80000014); }
  void Command5_Click() { colorBrowser2_->SetSelectedColor(0x8000000F); }
  void Command6_Click();  // Default
  void HScroll1_Change() { label1_->SetCaption(std::to_string(hScroll1_->Value())); }
  void HScroll2_Change() { label2_->SetCaption(std::to_string(hScroll2_->Value())); }
  void Apply();

 private:
  void MakeControls();
  bool WidthsConfirmed();

  WindowSystem& ws_;
  Events events_;
  std::unique_ptr<Window> window_;
  std::vector<std::unique_ptr<Control>> controls_;  // the labels and buttons
  std::unique_ptr<ScrollBar> hScroll1_, hScroll2_;
  std::unique_ptr<Label> label1_, label2_;
  std::unique_ptr<CheckBox> check1_;
  std::unique_ptr<ColorBrowser> colorBrowser1_, colorBrowser2_;
  bool unloaded_ = false;
};

}  // namespace vantiro
