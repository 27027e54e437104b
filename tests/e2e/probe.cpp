// e2e_probe: reads the windows of another process in the same Wine prefix, so
// that the end-to-end script can check what a person would see and find where
// to click. Lengths are pixels. A window is named by its caption: an exact
// match wins, else the first visible top-level window whose caption is the
// text given followed by " - " and more ("Vantiro!" also finds "Vantiro! - c:"
// but not the message box "Vantiro! v2.10"). A list box counts when it is
// shown and at least partly inside its window's client area, as a person sees
// it.
//
//   e2e_probe window <title>            left top width height clientWidth clientHeight
//   e2e_probe caption <title>           the whole caption
//   e2e_probe boxes <title>             one line per visible list box, left to right:
//                                       left top width height count, then a tab before
//                                       each entry (box position in the window's client area)
//   e2e_probe items <title> <box>       the entries of box <box> (left-to-right index), one a line
//   e2e_probe selected <title> <box>    the selected index, -1 when none
//   e2e_probe item-center <title> <box> <item>
//                                       screen x y of an entry, by index or by text (the
//                                       text alone or followed by a blank and more, "c:")
//   e2e_probe close-box <title>         screen x y of the middle of the close box
//   e2e_probe texts <title>             the texts of the window's static texts, edit boxes
//                                       and buttons
//   e2e_probe button-center <title> <text>
//                                       screen x y of the button with that text ("&" ignored)
//   e2e_probe item-rect <title> <id>    screen left top right bottom of a dialog item
//   e2e_probe topmost <title>           1 when the window is top-most, else 0
//   e2e_probe button-enabled <title> <text>
//                                       1 when that button is enabled, else 0
//   e2e_probe wait <title> <seconds>    succeeds once the window is visible
//   e2e_probe gone <title> <seconds>    succeeds once no such window is visible
//   e2e_probe close <title>             posts WM_CLOSE to the window
//   e2e_probe menu <title>              left top width height of the window's open menu
//   e2e_probe drag <x> <y> <file>...    a drag source at x y dragging the files (drag_source.cpp)
//
// Exit status: 0 done, 1 not found or timed out, 2 bad usage.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "drag_source.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr UINT kReplyTimeoutMs = 5000;  // a hung target fails the check, not the run

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

void Print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "e2e_probe: %s\n", why.c_str());
  return 1;
}

std::wstring Caption(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return text;
}

struct FindState {
  std::wstring title;
  HWND exact = nullptr;
  HWND prefix = nullptr;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<FindState*>(param);
  if (!IsWindowVisible(window)) return TRUE;
  std::wstring caption = Caption(window);
  if (caption == state->title) {
    state->exact = window;
    return FALSE;
  }
  if (!state->prefix && caption.rfind(state->title + L" - ", 0) == 0) state->prefix = window;
  return TRUE;
}

HWND FindTopLevel(const std::wstring& title) {
  FindState state{title};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&state));
  return state.exact ? state.exact : state.prefix;
}

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return _wcsicmp(name, className) == 0;
}

// The rectangle of a child in its top-level window's client coordinates.
RECT RectInClient(HWND top, HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

struct ChildSearch {
  HWND top;
  std::vector<HWND> found;
};

// A list box that lies beyond the right edge of the client area is not seen.
BOOL CALLBACK CollectListBoxes(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  if (!HasClass(window, L"ListBox") || !IsWindowVisible(window)) return TRUE;
  RECT client{}, overlap{};
  GetClientRect(search->top, &client);
  RECT rect = RectInClient(search->top, window);
  if (IntersectRect(&overlap, &client, &rect)) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectTexts(HWND window, LPARAM param) {
  if ((HasClass(window, L"Static") || HasClass(window, L"Edit") || HasClass(window, L"Button")) &&
      IsWindowVisible(window))
    reinterpret_cast<ChildSearch*>(param)->found.push_back(window);
  return TRUE;
}

// Visible list boxes ordered by their left edge, then their top edge.
std::vector<HWND> ListBoxes(HWND top) {
  ChildSearch search{top, {}};
  EnumChildWindows(top, CollectListBoxes, reinterpret_cast<LPARAM>(&search));
  std::vector<HWND>& boxes = search.found;
  std::stable_sort(boxes.begin(), boxes.end(), [top](HWND a, HWND b) {
    RECT ra = RectInClient(top, a), rb = RectInClient(top, b);
    return ra.left != rb.left ? ra.left < rb.left : ra.top < rb.top;
  });
  return boxes;
}

std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                           &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

// LB_GETTEXT goes as the W message: the A form is cut short across processes.
std::vector<std::string> Entries(HWND box) {
  std::vector<std::string> entries;
  int count = static_cast<int>(Ask(box, LB_GETCOUNT, 0, 0).value_or(0));
  for (int i = 0; i < count; ++i) {
    LRESULT length = Ask(box, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0).value_or(LB_ERR);
    if (length == LB_ERR) length = 0;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT got =
        Ask(box, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()))
            .value_or(LB_ERR);
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    entries.push_back(Utf8(text));
  }
  return entries;
}

bool ParseInt(const std::wstring& text, long& value) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  value = std::wcstol(text.c_str(), &end, 10);
  return *end == L'\0';
}

std::string Join(std::initializer_list<long> numbers) {
  std::string out;
  for (long n : numbers) {
    if (!out.empty()) out += ' ';
    out += std::to_string(n);
  }
  return out;
}

struct Target {
  HWND top = nullptr;
  HWND box = nullptr;
};

// Finds the window and, when a box index is given, that list box.
std::optional<Target> Locate(const std::wstring& title, const std::wstring* boxIndex, int& status) {
  status = 1;
  Target target{FindTopLevel(title)};
  if (!target.top) {
    Fail("no visible window captioned " + Utf8(title));
    return std::nullopt;
  }
  if (!boxIndex) return target;
  long index = 0;
  if (!ParseInt(*boxIndex, index)) {
    status = 2;
    Fail("box index is not a number: " + Utf8(*boxIndex));
    return std::nullopt;
  }
  std::vector<HWND> boxes = ListBoxes(target.top);
  if (index < 0 || index >= static_cast<long>(boxes.size())) {
    Fail("no list box " + std::to_string(index) + " (" + std::to_string(boxes.size()) +
         " visible)");
    return std::nullopt;
  }
  target.box = boxes[static_cast<std::size_t>(index)];
  return target;
}

int ShowWindowGeometry(HWND top) {
  RECT window{}, client{};
  GetWindowRect(top, &window);
  GetClientRect(top, &client);
  Print(Join({window.left, window.top, window.right - window.left, window.bottom - window.top,
              client.right, client.bottom}));
  return 0;
}

// The screen rectangle of the dialog item with that id.
int ShowItemRect(HWND top, const std::wstring& id) {
  long value = 0;
  HWND item = ParseInt(id, value) ? GetDlgItem(top, static_cast<int>(value)) : nullptr;
  if (!item) return Fail("no item " + Utf8(id));
  RECT rect{};
  GetWindowRect(item, &rect);
  Print(Join({rect.left, rect.top, rect.right, rect.bottom}));
  return 0;
}

int ShowBoxes(HWND top) {
  for (HWND box : ListBoxes(top)) {
    RECT rect = RectInClient(top, box);
    std::vector<std::string> entries = Entries(box);
    std::string line = Join({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                             static_cast<long>(entries.size())});
    for (const std::string& entry : entries) line += "\t" + entry;
    Print(line);
  }
  return 0;
}

int ShowItems(HWND box) {
  for (const std::string& entry : Entries(box)) Print(entry);
  return 0;
}

int ShowItemCenter(HWND box, const std::wstring& item) {
  std::vector<std::string> entries = Entries(box);
  long index = -1;
  if (!ParseInt(item, index)) {
    std::string text = Utf8(item);
    auto match = std::find_if(entries.begin(), entries.end(), [&text](const std::string& entry) {
      return entry == text || entry.rfind(text + " ", 0) == 0;
    });
    if (match == entries.end()) return Fail("no entry " + text);
    index = static_cast<long>(match - entries.begin());
  }
  if (index < 0 || index >= static_cast<long>(entries.size()))
    return Fail("no entry " + std::to_string(index));
  RECT item_rect{}, client{};
  if (Ask(box, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item_rect))
          .value_or(LB_ERR) == LB_ERR)
    return Fail("LB_GETITEMRECT failed");
  GetClientRect(box, &client);
  POINT center{(item_rect.left + item_rect.right) / 2, (item_rect.top + item_rect.bottom) / 2};
  if (!PtInRect(&client, center))
    return Fail("entry " + std::to_string(index) + " is scrolled away");
  ClientToScreen(box, &center);
  Print(Join({center.x, center.y}));
  return 0;
}

// Wine draws the caption itself, so ask the window where its close box is
// rather than guess from system metrics.
int ShowCloseBox(HWND top) {
  RECT window{};
  GetWindowRect(top, &window);
  RECT found{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (LONG y = window.top; y < std::min(window.bottom, window.top + 48L); ++y) {
    for (LONG x = window.right - 1; x >= std::max(window.left, window.right - 64L); --x) {
      auto hit = Ask(top, WM_NCHITTEST, 0, MAKELPARAM(x, y));
      if (!hit) return Fail("the window does not answer");
      if (*hit != HTCLOSE) continue;
      found.left = std::min(found.left, x);
      found.right = std::max(found.right, x);
      found.top = std::min(found.top, y);
      found.bottom = std::max(found.bottom, y);
    }
  }
  if (found.left > found.right) return Fail("no close box");
  Print(Join({(found.left + found.right) / 2, (found.top + found.bottom) / 2}));
  return 0;
}

std::vector<HWND> Texts(HWND top) {
  ChildSearch search{top, {}};
  EnumChildWindows(top, CollectTexts, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Button texts as a person reads them: without the "&" of the access key.
std::wstring WithoutAmpersands(std::wstring text) {
  std::erase(text, L'&');
  return text;
}

// Asked with WM_GETTEXT: what an edit box holds is not its window text.
std::wstring ControlText(HWND control) {
  LRESULT length = Ask(control, WM_GETTEXTLENGTH, 0, 0).value_or(0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  LRESULT got = Ask(control, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                    reinterpret_cast<LPARAM>(text.data()))
                    .value_or(0);
  text.resize(static_cast<std::size_t>(got));
  return text;
}

int ShowTexts(HWND top) {
  for (HWND child : Texts(top)) Print(Utf8(ControlText(child)));
  return 0;
}

HWND FindButton(HWND top, const std::wstring& text) {
  for (HWND child : Texts(top)) {
    if (HasClass(child, L"Button") && WithoutAmpersands(Caption(child)) == WithoutAmpersands(text))
      return child;
  }
  return nullptr;
}

int ShowButton(HWND top, const std::wstring& text, bool center) {
  HWND button = FindButton(top, text);
  if (!button) return Fail("no button " + Utf8(text));
  RECT rect{};
  GetWindowRect(button, &rect);
  Print(center ? Join({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2})
               : std::to_string(IsWindowEnabled(button) ? 1 : 0));
  return 0;
}

struct MenuSearch {
  HWND owner;
  HWND menu = nullptr;
};

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<MenuSearch*>(param);
  if (!IsWindowVisible(window) || !HasClass(window, L"#32768") ||
      GetWindow(window, GW_OWNER) != search->owner)
    return TRUE;
  search->menu = window;
  return FALSE;
}

// A menu that is open, from the menu bar or popped up, is a window of the
// class "#32768" owned by the window; its entries stay in the other process.
int ShowMenu(HWND top) {
  MenuSearch search{top};
  EnumWindows(FindMenuWindow, reinterpret_cast<LPARAM>(&search));
  if (!search.menu) return Fail("no open menu");
  RECT rect{};
  GetWindowRect(search.menu, &rect);
  Print(Join({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}));
  return 0;
}

int WaitFor(const std::wstring& title, const std::wstring& seconds, bool present) {
  long limit = 0;
  if (!ParseInt(seconds, limit)) return 2;
  DWORD deadline = GetTickCount() + static_cast<DWORD>(limit) * 1000;
  for (;;) {
    if ((FindTopLevel(title) != nullptr) == present) return 0;
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0)
      return Fail(std::string(present ? "no window " : "still a window ") + Utf8(title));
    Sleep(100);
  }
}

int Usage() {
  std::fprintf(stderr,
               "usage: e2e_probe window|caption|boxes|close-box|close|texts|menu|topmost <title>\n"
               "       e2e_probe button-center|button-enabled <title> <text>\n"
               "       e2e_probe item-rect <title> <id>\n"
               "       e2e_probe items|selected <title> <box>\n"
               "       e2e_probe item-center <title> <box> <index-or-text>\n"
               "       e2e_probe wait|gone <title> <seconds>\n"
               "       e2e_probe drag <x> <y> <file>...\n");
  return 2;
}

int Run(const std::vector<std::wstring>& args) {
  if (args.size() < 3) return Usage();
  const std::wstring& command = args[1];
  const std::wstring& title = args[2];
  const std::wstring* box = args.size() > 3 ? &args[3] : nullptr;
  int status = 1;

  if (command == L"drag") {
    long x = 0, y = 0;
    if (args.size() < 5 || !ParseInt(args[2], x) || !ParseInt(args[3], y)) return Usage();
    return DragFiles(static_cast<int>(x), static_cast<int>(y), {args.begin() + 4, args.end()});
  }
  if (command == L"wait" || command == L"gone")
    return args.size() == 4 ? WaitFor(title, args[3], command == L"wait") : Usage();

  bool withBox = command == L"items" || command == L"selected" || command == L"item-center";
  const bool withButton =
      command == L"button-center" || command == L"button-enabled" || command == L"item-rect";
  std::size_t wanted = command == L"item-center" ? 5 : withBox || withButton ? 4 : 3;
  if (args.size() != wanted) return Usage();
  auto target = Locate(title, withBox ? box : nullptr, status);
  if (!target) return status;

  if (command == L"texts") return ShowTexts(target->top);
  if (command == L"button-center" || command == L"button-enabled")
    return ShowButton(target->top, args[3], command == L"button-center");

  if (command == L"item-rect") return ShowItemRect(target->top, args[3]);
  if (command == L"window") return ShowWindowGeometry(target->top);
  if (command == L"topmost") {
    Print((GetWindowLongPtrW(target->top, GWL_EXSTYLE) & WS_EX_TOPMOST) ? "1" : "0");
    return 0;
  }
  if (command == L"caption") {
    Print(Utf8(Caption(target->top)));
    return 0;
  }
  if (command == L"boxes") return ShowBoxes(target->top);
  if (command == L"close-box") return ShowCloseBox(target->top);
  if (command == L"menu") return ShowMenu(target->top);
  if (command == L"close") return PostMessageW(target->top, WM_CLOSE, 0, 0) ? 0 : 1;
  if (command == L"items") return ShowItems(target->box);
  if (command == L"selected") {
    Print(std::to_string(Ask(target->box, LB_GETCURSEL, 0, 0).value_or(LB_ERR)));
    return 0;
  }
  if (command == L"item-center") return ShowItemCenter(target->box, args[4]);
  return Usage();
}

}  // namespace

int main() {
  // Binary output: the script reads plain LF lines, in UTF-8.
  _setmode(_fileno(stdout), _O_BINARY);
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 2;
  std::vector<std::wstring> args(argv, argv + argc);
  LocalFree(argv);
  int status = Run(args);
  std::fflush(stdout);
  return status;
}
