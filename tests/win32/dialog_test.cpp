// Message and input boxes, answered from a hook as a person would answer.
#include <gtest/gtest.h>

#include "tests/win32/win32_test_support.h"
#include "win32/input_box.h"
#include "win32/top_window.h"
#include "win32/window_system.h"

namespace vantiro::win32 {
namespace {

using testing::DialogAnswerer;
using testing::WindowText;

const std::string kPrompt = "New name for \"&%^\":";
const std::string kTitle = "Rename 日本";
const std::string kDefault = "Ünïcødé.txt";

void Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child = FindWindowExA(dialog, nullptr, "Static", nullptr); child != nullptr;
       child = FindWindowExA(dialog, child, "Static", nullptr)) {
    texts.push_back(WindowText(child));
  }
  return texts;
}

TEST(InputBoxTest, ShowsItsTextsAndReturnsWhatWasTypedOrNothing) {
  Win32WindowSystem ws;
  const struct {
    const char* what;
    const char* typed;  // nullptr: left as it is
    int close;          // a button, or 0 for the close box
    std::string expected;
  } rows[] = {{"typed, OK", "my folder", IDOK, "my folder"},
              {"default, OK", nullptr, IDOK, kDefault},
              {"typed, Cancel", "my folder", IDCANCEL, ""},
              {"close box", "my folder", 0, ""}};
  for (const auto& row : rows) {
    std::string title, prompt, shown, ok, cancel;
    DWORD selStart = 1, selEnd = 0, length = 0;
    DialogAnswerer answerer([&](HWND dialog) {
      HWND edit = GetDlgItem(dialog, kInputBoxEditId);
      title = WindowText(dialog);
      prompt = WindowText(GetDlgItem(dialog, kInputBoxPromptId));
      shown = WindowText(edit);
      ok = WindowText(GetDlgItem(dialog, IDOK));
      cancel = WindowText(GetDlgItem(dialog, IDCANCEL));
      length = static_cast<DWORD>(GetWindowTextLengthW(edit));
      SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                   reinterpret_cast<LPARAM>(&selEnd));
      if (row.typed != nullptr) SetWindowTextA(edit, row.typed);
      if (row.close != 0) {
        Press(dialog, row.close);
      } else {
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
    });
    EXPECT_EQ(ws.InputBox(kPrompt, kTitle, kDefault), row.expected) << row.what;
    EXPECT_TRUE(answerer.answered()) << row.what;
    EXPECT_EQ(title, kTitle);
    EXPECT_EQ(prompt, kPrompt);
    EXPECT_EQ(shown, kDefault);
    EXPECT_EQ(ok, "OK");
    EXPECT_EQ(cancel, "Cancel");
    EXPECT_EQ(selStart, 0u) << "the default text is selected";
    EXPECT_EQ(selEnd, length);
  }
}

TEST(MsgBoxTest, PassesStyleAndAnswerThrough) {
  Win32WindowSystem ws;
  const struct {
    int style;
    int press;
    int answer;
  } rows[] = {{msgbox::kYesNo | msgbox::kQuestion, IDYES, msgbox::kYes},
              {msgbox::kYesNo | msgbox::kExclamation, IDNO, msgbox::kNo},
              {msgbox::kOkCancel, IDCANCEL, msgbox::kCancel},
              {msgbox::kRetryCancel, IDRETRY, msgbox::kRetry},
              {msgbox::kOkOnly | msgbox::kInformation, IDOK, msgbox::kOk}};
  for (const auto& row : rows) {
    std::string title;
    std::vector<std::string> texts;
    bool hasButton = false;
    DialogAnswerer answerer([&](HWND dialog) {
      title = WindowText(dialog);
      texts = StaticTexts(dialog);
      hasButton = GetDlgItem(dialog, row.press) != nullptr;
      Press(dialog, row.press);
    });
    EXPECT_EQ(ws.MsgBox("Please select a valid folder...", row.style, kTitle), row.answer);
    EXPECT_TRUE(hasButton) << row.style;
    EXPECT_EQ(title, kTitle);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Please select a valid folder..."),
              texts.end());
  }
}

TEST(MsgBoxTest, IsOwnedByTheActiveWindow) {
  Win32WindowSystem ws;
  auto window =
      ws.CreateTopWindow({"Vantiro owner", WindowKind::SizableToolWindow, 3000, 3000, {}}, {});
  window->Show();
  HWND hwnd = static_cast<TopWindow&>(*window).handle();
  ASSERT_EQ(GetActiveWindow(), hwnd);
  HWND owner = nullptr;
  DialogAnswerer answerer([&](HWND dialog) {
    owner = GetWindow(dialog, GW_OWNER);
    Press(dialog, IDOK);
  });
  ws.MsgBox("text", msgbox::kOkOnly, "title");
  EXPECT_EQ(owner, hwnd);
}

}  // namespace
}  // namespace vantiro::win32
