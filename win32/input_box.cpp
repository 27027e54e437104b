#include "win32/input_box.h"

#include <optional>
#include <string_view>
#include <vector>

#include "win32/child_control.h"
#include "win32/wide_text.h"
#include "win32/window_subclass.h"

namespace vantiro::win32 {
namespace {

// Dialog units, laid out like the classic input box.
struct ItemLayout {
  WORD atom;  // predefined class: 0x80 button, 0x81 edit, 0x82 static
  DWORD style;
  short x, y, cx, cy;
  WORD id;
};

constexpr WORD kButton = 0x80;
constexpr WORD kEdit = 0x81;
constexpr WORD kStatic = 0x82;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

constexpr ItemLayout kItems[] = {
    {kStatic, kChild | SS_LEFT, 7, 7, 172, 44, kInputBoxPromptId},
    {kEdit, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 56, 229, 12, kInputBoxEditId},
    {kButton, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 186, 7, 50, 14, IDOK},
    {kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, 186, 25, 50, 14, IDCANCEL},
};

// An in-memory DLGTEMPLATE; the texts are set at WM_INITDIALOG, so the
// template's own strings stay empty.
class DialogTemplate {
 public:
  DialogTemplate() {
    Dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    Dword(0);
    Word(static_cast<WORD>(std::size(kItems)));
    Rect(0, 0, 243, 75);
    Word(0);  // no menu
    Word(0);  // the dialog class
    Word(0);  // no caption yet
    Word(8);  // point size
    Text(L"MS Shell Dlg");
    for (const ItemLayout& item : kItems) Item(item);
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Rect(short x, short y, short cx, short cy) {
    for (short value : {x, y, cx, cy}) Word(static_cast<WORD>(value));
  }
  void Text(std::wstring_view text) {
    words_.insert(words_.end(), text.begin(), text.end());
    Word(0);
  }
  void Item(const ItemLayout& item) {
    if (words_.size() % 2 != 0) Word(0);  // DWORD alignment
    Dword(item.style);
    Dword(0);
    Rect(item.x, item.y, item.cx, item.cy);
    Word(item.id);
    Word(0xFFFF);
    Word(item.atom);
    Word(0);  // no text yet
    Word(0);  // no creation data
  }

  std::vector<WORD> words_;
};

// The dialog, subclassed once it is made, hears its buttons.
struct InputBoxState {
  const std::string& prompt;
  const std::string& title;
  const std::string& defaultText;
  std::string result;
  std::optional<WindowSubclass> subclass;

  LRESULT OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam);
    if (message != WM_COMMAND || (id != IDOK && id != IDCANCEL))
      return subclass->Default(message, wParam, lParam);
    if (id == IDOK) result = TextOf(GetDlgItem(dialog, kInputBoxEditId));
    EndDialog(dialog, id);
    return 0;
  }
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  auto* state = reinterpret_cast<InputBoxState*>(lParam);
  state->subclass.emplace(dialog, state, [state, dialog](UINT m, WPARAM w, LPARAM l) {
    return state->OnMessage(dialog, m, w, l);
  });
  SetWindowTextW(dialog, Wide(state->title).c_str());
  SetDlgItemTextW(dialog, kInputBoxPromptId, Wide(state->prompt).c_str());
  SetDlgItemTextW(dialog, IDOK, L"OK");
  SetDlgItemTextW(dialog, IDCANCEL, L"Cancel");
  HWND edit = GetDlgItem(dialog, kInputBoxEditId);
  SetWindowTextW(edit, Wide(state->defaultText).c_str());
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SetFocus(edit);
  return FALSE;  // the focus is set
}

}  // namespace

std::string RunInputBox(HWND owner, const std::string& prompt, const std::string& title,
                        const std::string& defaultText) {
  const DialogTemplate dialog;
  InputBoxState state{prompt, title, defaultText, {}, {}};
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner, &InputBoxProc,
                          reinterpret_cast<LPARAM>(&state));
  return state.result;
}

}  // namespace vantiro::win32
