// Top windows in twips and whole pixels, their events and lifetime, text
// measured in their font; timers and the message loop; message and input
// boxes answered from a hook as a person would answer them.
#include <thread>

#include "settings/version.h"
#include "tests/win32/win32_test_support.h"
#include "win32/input_box.h"
#include "win32/units.h"

namespace vantiro::win32 {
namespace {

using namespace testing;
using TopWindowTest = AdapterTest;

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
      {[&] { seen.push_back(size()); }, {}, {}, {}, {}, {}});
  MENUBARINFO first{sizeof first, {}, {}, {}, {}, {}}, last = first;
  GetMenuBarInfo(HandleOf(*narrow), OBJID_MENU, 1, &first);
  GetMenuBarInfo(HandleOf(*narrow), OBJID_MENU, 8, &last);
  ASSERT_GT(last.rcBar.top, first.rcBar.top) << "the bar should wrap";
  EXPECT_EQ(ClientSize(HandleOf(*narrow)), Pixels(200, 60));
  EXPECT_EQ(seen, std::vector<std::string>{}) << "the program does not hold the window yet";
  const std::string height = std::to_string(narrow->Height());
  narrow->SetLeft(1500);
  narrow->SetTop(1500);
  EXPECT_EQ(std::pair(narrow->Left(), narrow->Top()), std::pair(1500, 1500));
  narrow->SetWidth(4500);
  narrow->SetHeight(6000);
  narrow->SetWidth(4500);
  EXPECT_EQ(seen, (std::vector<std::string>{"4500x" + height, "4500x6000"})) << "none: no change";
}

// Minimized, maximized, normal; the close box unloads it, once the program
// lets it go, also from a modal loop, which then ends.
TEST_F(TopWindowTest, TellsItsStateAndUnloadsOnTheCloseBox) {
  EXPECT_FALSE(window->Visible());
  window->Show();
  EXPECT_TRUE(window->Visible());
  for (const auto& [show, state] : {std::pair{SW_MINIMIZE, WindowState::Minimized},
                                    {SW_MAXIMIZE, WindowState::Maximized},
                                    {SW_RESTORE, WindowState::Normal}}) {
    ShowWindow(hwnd(), show);
    EXPECT_EQ(window->State(), state) << show;
  }
  int unloads = 0;
  bool kept = true;
  window = ws.CreateTopWindow({"Vantiro closing", WindowKind::FixedToolWindow, 1500, 1500, {}},
                              {{}, [&] { return !kept; }, [&] { ++unloads; }, {}, {}, {}});
  const HWND handle = hwnd();
  SendMessageW(handle, WM_CLOSE, 0, 0);
  EXPECT_TRUE(unloads == 0 && IsWindow(handle) != FALSE) << "kept";
  kept = false;
  PostMessageW(handle, WM_CLOSE, 0, 0);
  window->ShowModal();
  EXPECT_TRUE(unloads == 1 && IsWindow(handle) == FALSE) << unloads;
}

// Measured in one go, on another thread and after the window went, a name
// takes what it takes measured alone.
TEST_F(TopWindowTest, MeasuresManyTextsAsItMeasuresEachAlone) {
  auto window =
      ws.CreateTopWindow({"Vantiro measure", WindowKind::SizableToolWindow, 3000, 900, {}}, {});
  const std::vector<std::string> texts = {"",        "iiii",        "WWWW",      "file 000123.txt",
                                          "a & b~!", "caf\xC3\xA9", "tab\there", "{[(|)]}"};
  // What GDI measures of each in the window's font, the system's message font.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
  const ScreenTextDC dc(font.get());
  std::vector<Twips> alone;
  for (const std::string& text : texts) {
    SIZE size{};
    const std::wstring wide = Wide(text);
    GetTextExtentPoint32W(dc.get(), wide.data(), static_cast<int>(wide.size()), &size);
    alone.push_back(size.cx * ws.TwipsPerPixelX());
  }
  const std::shared_ptr<const TextMeasure> measure = window->Measurer();
  window.reset();
  std::vector<Twips> measured;
  std::thread([&] { measured = measure->Widths(texts); }).join();
  EXPECT_EQ(measured, alone);
  EXPECT_LT(alone[1], alone[2]) << "a proportional font";
}

// A name in three scripts comes back unchanged from a box's row, a menu
// item, a message box and a label: no code page stands between. A block of
// text shows its lines as the edit box keeps them.
TEST_F(TopWindowTest, NamesInAnyScriptPassUnchanged) {
  auto box = window->CreateListBox({});
  box->SetItems({kScripts});
  wchar_t row[32] = {}, item[32] = {};
  SendMessageW(HandleOf(*box), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
  GetMenuStringW(GetSubMenu(GetMenu(hwnd()), 1), 0, item, std::size(item), MF_BYPOSITION);
  std::vector<std::string> shown = {Utf8(row), Utf8(item)};
  DialogAnswerer answerer([&](HWND dialog) {
    shown.push_back(WindowText(dialog));
    shown.push_back(WindowText(GetDlgItem(dialog, 0xFFFF)));
    Press(dialog, IDOK);
  });
  ws.MsgBox(kScripts, msgbox::kOkOnly, kScripts);
  shown.push_back(window->CreateLabel(kScripts)->Caption());
  EXPECT_EQ(shown, std::vector<std::string>(5, kScripts));
  auto block = window->CreateTextBlock();
  block->SetCaption("one\ntwo\n");
  EXPECT_EQ(std::pair(WindowText(HandleOf(*block)), block->Caption()),
            std::pair(std::string("one\r\ntwo\r\n"), std::string("one\ntwo\n")));
}

// The system's colour dialog: OK gives the colour it shows, Cancel none.
TEST_F(TopWindowTest, PickColorGivesTheColourOnOkAndNoneOnCancel) {
  for (const int button : {IDOK, IDCANCEL}) {
    DialogAnswerer answerer([&](HWND dialog) { Press(dialog, button); });
    ColorDialogRecord record;
    record.owner = window->SystemHandle();
    record.rgbResult = 0x123456;
    record.flags = CC_RGBINIT;
    EXPECT_EQ(ws.PickColor(record), button == IDOK ? std::optional<Color>(0x123456) : std::nullopt);
  }
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
      if (types) SetWindowTextW(edit, Wide(typed).c_str());
      if (close == 0) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      if (close != 0) Press(dialog, close);
    });
    EXPECT_EQ(ws.InputBox(prompt, title, defaultText), expected) << close;
    EXPECT_EQ(shown, (std::vector<std::string>{title, prompt, defaultText, "OK", "Cancel"}));
    EXPECT_EQ(selStart + selEnd, 0u) << "the default text is selected";
  }
}

// Explorer's Properties of Vantiro.exe, built beside this program, show the
// version of the sources, which the about box shows too.
TEST(VersionTest, TheExeCarriesTheVersionOfTheSources) {
  const std::wstring self = Wide(SelfPath());
  const std::wstring exe = self.substr(0, self.rfind(L'\\') + 1) + L"Vantiro.exe";
  std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
  void* version = nullptr;
  UINT length = 0;
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) &&
              VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\ProductVersion", &version,
                             &length));
  EXPECT_EQ(Utf8(static_cast<const wchar_t*>(version)), VANTIRO_VERSION);
}

}  // namespace
}  // namespace vantiro::win32
