#include "settings/size_colors.h"

namespace vantiro {
namespace {

constexpr Twips kClientWidth = 4950, kClientHeight = 3750;
constexpr Twips kTwipsPerPixel = 15;
constexpr Color kWhite = 0x00FFFFFF, kWindowFace = 0x80000014;

}  // namespace

Form4::Form4(WindowSystem& ws, Events events) : ws_(ws), events_(std::move(events)) {
  Window::Events windowEvents;
  windowEvents.unload = [this] { Form_Unload(); };
  window_ = ws.CreateTopWindow({"Size and colors preferencies",
                                WindowKind::FixedToolWindow,
                                kClientWidth,
                                kClientHeight,
                                {}},
                               std::move(windowEvents));
  MakeControls();
}

// Made in the order the Tab key visits them; the labels take no focus.
void Form4::MakeControls() {
  const auto place = [](Control& control, Twips left, Twips top, Twips width, Twips height) {
    control.Move(left, top, width, height);
    control.SetVisible(true);
  };
  const auto label = [&](const char* caption, Twips left, Twips top, Twips width) {
    auto made = window_->CreateLabel(caption);
    place(*made, left, top, width, 255);
    return made;
  };
  controls_.push_back(label("Boxes width :", 240, 240, 1320));
  controls_.push_back(label("Active box width:", 240, 840, 1320));
  controls_.push_back(label("Folders back color :", 240, 1440, 1440));
  controls_.push_back(label("Files back color :", 240, 2040, 1440));
  label1_ = label("0", 3600, 480, 975);
  label2_ = label("0", 3600, 1080, 975);
  const auto button = [&](const char* caption, ButtonRole role, Twips left, Twips top, Twips width,
                          Twips height, void (Form4::*click)()) {
    controls_.push_back(
        window_->CreateButton(caption, role, {[this, click] { (this->*click)(); }}));
    place(*controls_.back(), left, top, width, height);
  };
  button("OK", ButtonRole::Default, 120, 3240, 1095, 375, &Form4::Command1_Click);
  button("Cancel", ButtonRole::Cancel, 1320, 3240, 1095, 375, &Form4::Command2_Click);
  button("&Apply", ButtonRole::Plain, 3720, 3240, 1095, 375, &Form4::Command3_Click);
  check1_ = window_->CreateCheckBox("Use animation when exploring folders.", {});
  place(*check1_, 240, 2640, 3855, 255);
  button("Default", ButtonRole::Plain, 2520, 3240, 1095, 375, &Form4::Command6_Click);
  const auto scrollBar = [&](Twips top, void (Form4::*change)()) {
    const auto follow = [this, change] { (this->*change)(); };
    auto made = window_->CreateHScrollBar({follow, follow});
    made->SetRange(kMinBoxWidth / kTwipsPerPixel, kMaxBoxWidth / kTwipsPerPixel);
    made->SetChanges(1, 10);
    place(*made, 1560, top, 3015, 255);
    return made;
  };
  hScroll2_ = scrollBar(840, &Form4::HScroll2_Change);
  hScroll1_ = scrollBar(240, &Form4::HScroll1_Change);
  button("Windows color", ButtonRole::Plain, 2640, 2040, 1455, 255, &Form4::Command5_Click);
  button("Windows color", ButtonRole::Plain, 2640, 1440, 1455, 255, &Form4::Command4_Click);
  colorBrowser2_ = std::make_unique<ColorBrowser>(ws_, *window_);
  place(colorBrowser2_->control(), 1680, 2040, 855, 255);
  colorBrowser1_ = std::make_unique<ColorBrowser>(ws_, *window_);
  place(colorBrowser1_->control(), 1680, 1440, 855, 255);
}

// Centred on the screen with the program's values; a stored width beyond
// the bars' range shows at the nearer end.
void Form4::Form_Load(const Appearance& current, bool animation) {
  window_->SetLeft((ws_.ScreenWidth() - window_->Width()) / 2);
  window_->SetTop((ws_.ScreenHeight() - window_->Height()) / 2);
  hScroll1_->SetValue(current.boxesWidth / kTwipsPerPixel);
  hScroll2_->SetValue(current.activeBoxWidth / kTwipsPerPixel);
  HScroll1_Change();
  HScroll2_Change();
  check1_->SetChecked(animation);
  colorBrowser1_->SetSelectedColor(current.foldersBackColor);
  colorBrowser2_->SetSelectedColor(current.filesBackColor);
}

void Form4::Form_Unload() {
  unloaded_ = true;
  events_.unload();
}

void Form4::Command1_Click() {
  if (!WidthsConfirmed()) return;
  Apply();
  window_->Close();
}

void Form4::Command3_Click() {
  if (WidthsConfirmed()) Apply();
}

void Form4::Command6_Click() {
  colorBrowser1_->SetSelectedColor(kWhite);
  colorBrowser2_->SetSelectedColor(kWindowFace);
  hScroll1_->SetValue(80);
  hScroll2_->SetValue(120);
  check1_->SetChecked(false);
}

// Boxes wider than the active one are the user's choice, asked for.
bool Form4::WidthsConfirmed() {
  return hScroll1_->Value() <= hScroll2_->Value() ||
         ws_.MsgBox("Boxes width should be lower than Active box width. Do you want to continue?",
                    msgbox::kYesNo | msgbox::kQuestion, "Are you sure") == msgbox::kYes;
}

void Form4::Apply() {
  Appearance chosen;
  chosen.boxesWidth = static_cast<std::int16_t>(hScroll1_->Value() * kTwipsPerPixel);
  chosen.activeBoxWidth = static_cast<std::int16_t>(hScroll2_->Value() * kTwipsPerPixel);
  chosen.foldersBackColor = colorBrowser1_->SelectedColor();
  chosen.filesBackColor = colorBrowser2_->SelectedColor();
  events_.apply(chosen, check1_->Checked());
}

}  // namespace vantiro
