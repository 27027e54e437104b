// The size and colours dialog and its colour pickers.
#include <string>
#include <vector>

#include "settings/size_colors.h"
#include "tests/unit/main_window.h"

namespace vantiro {
namespace {

class SizeColors : public MainWindowTest {
 protected:
  Form4& Open() {
    main().ChooseMenu("mnuSizeColors");
    return *form->settings().form4();
  }
  static std::vector<int> Shown(Form4& dialog) {
    return {dialog.HScroll1().Value(), dialog.HScroll2().Value(),
            std::stoi(dialog.Label1().Caption()), std::stoi(dialog.Label2().Caption())};
  }
};

TEST_F(SizeColors, OpensCentredWithTheValuesInPixelsAndAppliesThemOnOk) {
  Start();
  main().ChooseMenu("mnuTopMost");
  Form4& dialog = Open();
  auto& window = static_cast<fake::FakeWindow&>(dialog.window());
  EXPECT_EQ(window.Caption(), "Size and colors preferencies");
  EXPECT_EQ(window.Left(), (ws.ScreenWidth() - window.Width()) / 2);
  EXPECT_EQ(window.Top(), (ws.ScreenHeight() - window.Height()) / 2);
  EXPECT_EQ(Shown(dialog), (std::vector<int>{80, 120, 80, 120}));
  EXPECT_TRUE(dialog.HScroll1().Visible() && dialog.ColorBrowser2().control().Visible());
  const auto& scroll = static_cast<const fake::FakeScrollBar&>(dialog.HScroll2());
  EXPECT_EQ(std::make_pair(scroll.SmallChange(), scroll.LargeChange()), std::make_pair(1, 10));
  EXPECT_EQ(main().topMostCalls().back(), false) << "nothing covers the dialog";
  dialog.Command4_Click();  // the folders' "Windows color"
  dialog.Command5_Click();
  dialog.HScroll1().SetValue(130);
  EXPECT_EQ(dialog.Label1().Caption(), "130");
  dialog.Command3_Click();  // Apply, answered No
  ASSERT_EQ(ws.messages.size(), 1u);
  EXPECT_EQ(ws.messages[0].title, "Are you sure");
  EXPECT_EQ(box(0).Width(), 1800) << "nothing applied";
  ws.msgBoxAnswers = {msgbox::kYes};
  dialog.Command1_Click();
  Click(0, "c:");
  EXPECT_EQ(std::vector<Color>(
                {static_cast<Color>(box(0).Width()), box(0).backColor(), files().backColor()}),
            (std::vector<Color>{1950, 0x80000014, 0x8000000F}));
  EXPECT_TRUE(window.closed() && !form->settings().form4());
  EXPECT_EQ(main().topMostCalls().back(), true) << "on top again";
  Open().Command2_Click();
  EXPECT_EQ(main().topMostCalls().back(), true) << "and after Cancel";
  Form4& equal = Open();
  equal.HScroll1().SetValue(equal.HScroll2().Value());
  const std::size_t asked = ws.messages.size();
  equal.Command1_Click();
  EXPECT_EQ(ws.messages.size(), asked) << "boxes as wide as the active one ask nothing";
  Form4& reset = Open();
  reset.Command6_Click();  // Default
  EXPECT_EQ(std::pair(reset.ColorBrowser1().SelectedColor(), Shown(reset)),
            std::pair(Color{0x00FFFFFF}, std::vector<int>{80, 120, 80, 120}));
}

// The dialog starts on black with sixteen black custom colours; only a
// confirmed colour changes the selection and raises Change, whose handler
// may change it; Alt alone with Down opens it too.
TEST_F(SizeColors, ThePickerAsksTheDialogAndHearsOnlyAConfirmedColour) {
  Start();
  std::vector<Color> changes;
  ColorBrowser picker(ws, main(), false, [&](Color& color) {
    changes.push_back(color);
    color = 0x00123456;
  });
  auto& browse = static_cast<fake::FakeButton&>(picker.cmdBrowse());
  ws.chosenColors = {std::nullopt, 0x0000FF00};
  browse.events.click();
  EXPECT_EQ(picker.SelectedColor(), 0x00FFFFFFu) << "cancelled";
  for (const auto& [key, shift] : {std::pair{40, kAltKey | kShiftKey}, {40, 0}, {40, kAltKey}})
    picker.UserControl_KeyDown({key, shift});
  ASSERT_EQ(ws.colorDialogs.size(), 2u);
  const ColorDialogRecord& asked = ws.colorDialogs[1];
  EXPECT_EQ(asked.owner, picker.control().SystemHandle());
  EXPECT_EQ(asked.rgbResult, 0u);
  EXPECT_EQ(asked.customColors, (std::array<Color, 16>{}));
  EXPECT_EQ(asked.flags, ColorDialogRecord::kPreventFullOpen);
  EXPECT_EQ(changes, std::vector<Color>{0x0000FF00});
  EXPECT_EQ(picker.SelectedColor(), 0x00123456u);
  picker.control().Move(0, 0, 2535, 360);
  EXPECT_EQ((std::vector{picker.picSelection().Width(), picker.cmdBrowse().Left()}),
            (std::vector{2535 - 255 - 15, 2535 - 255}));
  fake::FakeCanvas canvas;
  picker.picSelection_Paint(canvas);
  EXPECT_EQ(canvas.log,
            (std::vector<std::string>{"focus 15 15 2235 330",
                                      "fill 30 30 2205 300 " + std::to_string(0x123456)}));
  ColorBrowser custom(ws, main(), true, [](Color&) {});
  static_cast<fake::FakeButton&>(custom.cmdBrowse()).events.click();
  EXPECT_EQ(ws.colorDialogs.back().flags, 0u) << "custom colours allowed";
}

}  // namespace
}  // namespace vantiro
