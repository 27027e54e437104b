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
//   e2e_probe extent <title> <box>      how far the box scrolls sideways, and its client width
//   e2e_probe item-center <title> <box> <item>
//                                       screen x y of an entry, by index or by text (the
//                                       text alone or followed by a blank and more, "c:")
//   e2e_probe texts <title>             the texts of the window's static texts, edit boxes
//                                       and buttons
//   e2e_probe button-center <title> <text>
//                                       screen x y of the button with that text ("&" ignored)
//   e2e_probe wait <title> <seconds>    succeeds once the window is visible
//   e2e_probe gone <title> <seconds>    succeeds once no such window is visible
//   e2e_probe close <title>             posts WM_CLOSE to the window
//   e2e_probe menu <title>              left top width height of the window's open menu
//   e2e_probe drop <x> <y>              a drop target at x y printing what it took
//   (drop_target.cpp)
//   e2e_probe clip-files                the files on the clipboard, then "effect <n>"
//   e2e_probe clip-put <effect> <seconds> <path>...
//                                       files put on the clipboard as Explorer puts them,
//                                       held for so many seconds
//
// Exit status: 0 done, 1 not found or timed out, 2 bad usage.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <shlobj.h>

#include "drop_target.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr UINT kReplyTimeoutMs = 5000;  // a hung target fails the check, not the run

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), size, nullptr, nullptr);
  return out;
}

int Print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  return 0;
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "e2e_probe: %s\n", why.c_str());
  return 1;
}

std::string Join(std::initializer_list<long> numbers) {
  std::string out;
  for (long n : numbers) out.append(out.empty() ? "" : " ").append(std::to_string(n));
  return out;
}

std::optional<long> ParseInt(const std::wstring& text) {
  wchar_t* end = nullptr;
  const long value = std::wcstol(text.c_str(), &end, 10);
  return !text.empty() && *end == L'\0' ? std::optional(value) : std::nullopt;
}

std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kReplyTimeoutMs,
                           &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

std::wstring Caption(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return text;
}

// Asked with WM_GETTEXT: what an edit box holds is not its window text.
std::wstring ControlText(HWND control) {
  std::wstring text(static_cast<std::size_t>(Ask(control, WM_GETTEXTLENGTH, 0, 0).value_or(0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      Ask(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())).value_or(0)));
  return text;
}

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return _wcsicmp(name, className) == 0;
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM found) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// The visible top-level windows, or the visible descendants of a window.
std::vector<HWND> Visible(HWND parent = nullptr) {
  std::vector<HWND> found;
  const WNDENUMPROC collect = CollectVisible;
  parent ? EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&found))
         : EnumWindows(collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FindTopLevel(const std::wstring& title) {
  HWND prefix = nullptr;
  for (HWND window : Visible()) {
    const std::wstring caption = Caption(window);
    if (caption == title) return window;
    if (!prefix && caption.starts_with(title + L" - ")) prefix = window;
  }
  return prefix;
}

// The rectangle of a child in its top-level window's client coordinates.
RECT RectInClient(HWND top, HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// List boxes at least partly inside the client area, by left edge, then top.
std::vector<HWND> ListBoxes(HWND top) {
  std::vector<HWND> boxes = Visible(top);
  RECT client{}, overlap{};
  GetClientRect(top, &client);
  std::erase_if(boxes, [&](HWND box) {
    const RECT rect = RectInClient(top, box);
    return !HasClass(box, L"ListBox") || !IntersectRect(&overlap, &client, &rect);
  });
  std::stable_sort(boxes.begin(), boxes.end(), [top](HWND a, HWND b) {
    const RECT ra = RectInClient(top, a), rb = RectInClient(top, b);
    return ra.left != rb.left ? ra.left < rb.left : ra.top < rb.top;
  });
  return boxes;
}

std::vector<HWND> Texts(HWND top) {
  std::vector<HWND> texts = Visible(top);
  std::erase_if(texts, [](HWND child) {
    return !HasClass(child, L"Static") && !HasClass(child, L"Edit") && !HasClass(child, L"Button");
  });
  return texts;
}

// LB_GETTEXT goes as the W message: the A form is cut short across processes.
std::vector<std::string> Entries(HWND box) {
  std::vector<std::string> entries;
  const auto count = static_cast<int>(Ask(box, LB_GETCOUNT, 0, 0).value_or(0));
  for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
    const LRESULT length = Ask(box, LB_GETTEXTLEN, i, 0).value_or(LB_ERR);
    std::wstring text(length == LB_ERR ? 1 : static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got =
        Ask(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data())).value_or(LB_ERR);
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    entries.push_back(Utf8(text));
  }
  return entries;
}

int ShowBoxes(HWND top) {
  for (HWND box : ListBoxes(top)) {
    const RECT rect = RectInClient(top, box);
    const std::vector<std::string> entries = Entries(box);
    std::string line = Join({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                             static_cast<long>(entries.size())});
    for (const std::string& entry : entries) line += "\t" + entry;
    Print(line);
  }
  return 0;
}

// An entry by index or by text (alone, or followed by a blank and more).
int ShowItemCenter(HWND box, const std::wstring& item) {
  const std::vector<std::string> entries = Entries(box);
  const std::string text = Utf8(item);
  const auto match = std::find_if(entries.begin(), entries.end(), [&](const std::string& entry) {
    return entry == text || entry.starts_with(text + " ");
  });
  const long index = ParseInt(item).value_or(match - entries.begin());
  if (index < 0 || index >= static_cast<long>(entries.size())) return Fail("no entry " + text);
  RECT rect{}, client{};
  if (Ask(box, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect))
          .value_or(LB_ERR) == LB_ERR)
    return Fail("LB_GETITEMRECT failed");
  GetClientRect(box, &client);
  POINT center{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  if (!PtInRect(&client, center)) return Fail("entry " + text + " is scrolled away");
  ClientToScreen(box, &center);
  return Print(Join({center.x, center.y}));
}

// Button texts as a person reads them: without the "&" of the access key.
int ShowButton(HWND top, std::wstring text) {
  const auto plain = [](std::wstring caption) { return std::erase(caption, L'&'), caption; };
  const std::vector<HWND> texts = Texts(top);
  const auto button = std::find_if(texts.begin(), texts.end(), [&](HWND child) {
    return HasClass(child, L"Button") && plain(Caption(child)) == plain(text);
  });
  if (button == texts.end()) return Fail("no button " + Utf8(text));
  RECT rect{};
  GetWindowRect(*button, &rect);
  return Print(Join({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}));
}

int ShowRect(HWND window) {
  RECT rect{}, client{};
  GetWindowRect(window, &rect);
  GetClientRect(window, &client);
  return Print(Join({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     client.right, client.bottom}));
}

// A menu that is open, from the menu bar or popped up, is a window of the
// class "#32768" owned by the window; its entries stay in the other process.
int ShowMenu(HWND top) {
  for (HWND menu : Visible()) {
    if (!HasClass(menu, L"#32768") || GetWindow(menu, GW_OWNER) != top) continue;
    RECT rect{};
    GetWindowRect(menu, &rect);
    return Print(Join({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}));
  }
  return Fail("no open menu");
}

int WaitFor(const std::wstring& title, const std::wstring& seconds, bool present) {
  const DWORD deadline = GetTickCount() + static_cast<DWORD>(ParseInt(seconds).value_or(0)) * 1000;
  while ((FindTopLevel(title) != nullptr) != present) {
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0)
      return Fail(std::string(present ? "no window " : "still a window ") + Utf8(title));
    Sleep(100);
  }
  return 0;
}

using Args = std::vector<std::wstring>;

// The clipboard as any other program reads and writes it: CF_HDROP (a
// DROPFILES block of wide paths) and the shell's "Preferred DropEffect".
const UINT kPreferredEffect = RegisterClipboardFormatW(L"Preferred DropEffect");

int ShowClipboardFiles() {
  if (!OpenClipboard(nullptr)) return 1;
  auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
  const UINT count = drop ? DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) : 0;
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
    DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
    Print(Utf8(name));
  }
  const HGLOBAL effect = GetClipboardData(kPreferredEffect);
  Print("effect " + std::to_string(effect ? *static_cast<const DWORD*>(GlobalLock(effect)) : 0));
  CloseClipboard();
  return count > 0 ? 0 : 1;
}

HGLOBAL Global(const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory) std::memcpy(GlobalLock(memory), bytes, size);
  return memory;
}

// As Explorer's copy (effect 5) or cut (2) puts them; held while the probe
// runs, for so many seconds.
int PutClipboardFiles(DWORD effect, const Args& paths, long seconds) {
  const DROPFILES header{sizeof(DROPFILES), {}, FALSE, TRUE};
  std::wstring block(sizeof header / sizeof(wchar_t), L'\0');
  std::memcpy(block.data(), &header, sizeof header);
  for (const std::wstring& path : paths) block += path + L'\0';
  HWND owner =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!owner || !OpenClipboard(owner)) return 1;
  EmptyClipboard();
  const bool put = SetClipboardData(CF_HDROP, Global(block.c_str(), (block.size() + 1) * 2)) &&
                   SetClipboardData(kPreferredEffect, Global(&effect, sizeof effect));
  CloseClipboard();
  if (!put) return 1;
  Print("put"), std::fflush(stdout);
  // Answers the clipboard's messages meanwhile: whoever empties it asks.
  for (const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
       GetTickCount() < end;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
  }
  return 0;
}

// The commands on a window, with the number of arguments after its title.
const std::map<std::wstring, std::pair<std::size_t, std::function<int(HWND, const Args&)>>>
    kOnWindow = {
        {L"window", {0, [](HWND top, const Args&) { return ShowRect(top); }}},
        {L"caption", {0, [](HWND top, const Args&) { return Print(Utf8(Caption(top))); }}},
        {L"boxes", {0, [](HWND top, const Args&) { return ShowBoxes(top); }}},
        {L"menu", {0, [](HWND top, const Args&) { return ShowMenu(top); }}},
        {L"close",
         {0, [](HWND top, const Args&) { return PostMessageW(top, WM_CLOSE, 0, 0) ? 0 : 1; }}},
        {L"texts",
         {0,
          [](HWND top, const Args&) {
            for (HWND child : Texts(top)) Print(Utf8(ControlText(child)));
            return 0;
          }}},
        {L"answers",
         {1,
          [](HWND top, const Args& a) {
            // Asks the window every 10 ms for so many ms: its longest wait to answer.
            const DWORD start = GetTickCount(),
                        span = static_cast<DWORD>(ParseInt(a[3]).value_or(0));
            DWORD worst = 0;
            while (GetTickCount() - start < span) {
              const DWORD asked = GetTickCount();
              DWORD_PTR result = 0;
              SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_NORMAL, 10'000, &result);
              worst = std::max(worst, GetTickCount() - asked);
              Sleep(10);
            }
            return Print(std::to_string(worst));
          }}},
        {L"button-center", {1, [](HWND top, const Args& a) { return ShowButton(top, a[3]); }}},
};

// The commands on a list box, named by its left-to-right index.
const std::map<std::wstring, std::pair<std::size_t, std::function<int(HWND, const Args&)>>> kOnBox =
    {
        {L"items",
         {1,
          [](HWND box, const Args&) {
            for (const std::string& entry : Entries(box)) Print(entry);
            return 0;
          }}},
        {L"count",
         {1,
          [](HWND box, const Args&) {
            return Print(std::to_string(Ask(box, LB_GETCOUNT, 0, 0).value_or(LB_ERR)));
          }}},
        {L"selected",
         {1,
          [](HWND box, const Args&) {
            return Print(std::to_string(Ask(box, LB_GETCURSEL, 0, 0).value_or(LB_ERR)));
          }}},
        {L"item-center", {2, [](HWND box, const Args& a) { return ShowItemCenter(box, a[4]); }}},
        {L"extent",  // how far the box scrolls sideways, and its client width
         {1,
          [](HWND box, const Args&) {
            RECT client{};
            GetClientRect(box, &client);
            return Print(std::to_string(Ask(box, LB_GETHORIZONTALEXTENT, 0, 0).value_or(-1)) + " " +
                         std::to_string(client.right));
          }}},
};

int Usage() {
  std::fprintf(stderr, "usage: e2e_probe <command> <title> [<arguments>]: see probe.cpp\n");
  return 2;
}

int Run(const Args& args) {
  if (args.size() < 2) return Usage();
  const std::wstring& command = args[1];
  if (command == L"drop" && args.size() == 4) {
    const auto x = ParseInt(args[2]), y = ParseInt(args[3]);
    return x && y ? TakeDrop(static_cast<int>(*x), static_cast<int>(*y)) : Usage();
  }
  if (command == L"clip-files") return ShowClipboardFiles();
  if (command == L"clip-put" && args.size() >= 5) {
    const auto effect = ParseInt(args[2]), seconds = ParseInt(args[3]);
    return effect && seconds ? PutClipboardFiles(static_cast<DWORD>(*effect),
                                                 Args(args.begin() + 4, args.end()), *seconds)
                             : Usage();
  }
  if (args.size() < 3) return Usage();
  if (command == L"wait" || command == L"gone")
    return args.size() == 4 ? WaitFor(args[2], args[3], command == L"wait") : Usage();
  const auto onWindow = kOnWindow.find(command), onBox = kOnBox.find(command);
  const bool forBox = onBox != kOnBox.end();
  if (!forBox && onWindow == kOnWindow.end()) return Usage();
  const auto& [extra, run] = forBox ? onBox->second : onWindow->second;
  if (args.size() != 3 + extra) return Usage();
  HWND top = FindTopLevel(args[2]);
  if (!top) return Fail("no visible window captioned " + Utf8(args[2]));
  if (!forBox) return run(top, args);
  const std::vector<HWND> boxes = ListBoxes(top);
  const long index = ParseInt(args[3]).value_or(-1);
  if (index < 0 || index >= static_cast<long>(boxes.size()))
    return Fail("no list box " + Utf8(args[3]) + " (" + std::to_string(boxes.size()) + " visible)");
  return run(boxes[static_cast<std::size_t>(index)], args);
}

}  // namespace

int main() {
  // Binary output: the script reads plain LF lines, in UTF-8.
  _setmode(_fileno(stdout), _O_BINARY);
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 2;
  const Args args(argv, argv + argc);
  LocalFree(argv);
  const int status = Run(args);
  std::fflush(stdout);
  return status;
}
