// A window's menu bar built from its design: every entry by name at any
// depth, hidden entries taken out of their menu and put back in their
// place, and the shortcuts as an accelerator table.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window.h"
#include "win32/handles.h"
#include "win32/shell_menu.h"

namespace vantiro::win32 {

// "Ctrl+F", "F5", "Shift+Del" as an accelerator for command; nullopt when
// the text names no key.
std::optional<ACCEL> ParseShortcut(std::string_view text, WORD command);

class Win32MenuBar {
 public:
  explicit Win32MenuBar(std::vector<MenuItem> design);

  HMENU handle() const { return bar_; }
  // A design without menus makes a window without a menu bar.
  bool Empty() const { return entries_.empty(); }
  // The window has taken the bar; it destroys it, and every menu still in
  // it, when it goes. Detach is called then.
  void Attach(HWND owner);
  void Detach() { owner_ = nullptr; }

  void SetChecked(std::string_view name, bool checked);
  void SetEnabled(std::string_view name, bool enabled);
  bool Visible(std::string_view name) const;
  void SetVisible(std::string_view name, bool visible);
  void Popup(std::string_view name);

  // A WM_COMMAND of the owner that is not from a control.
  void Command(WORD id, bool fromAccelerator);
  // The owner's menu messages: a sub-menu the shell fills is filled as it
  // opens, and the shell's own items are drawn and filled by it. True when
  // taken, with the result to return.
  bool MenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool TranslateShortcut(MSG& msg) const;

 private:
  struct Entry {
    std::string name;
    std::wstring text;  // the caption, then a tab and the shortcut
    bool separator = false;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    int parent = -1;
    std::vector<int> children;
    HMENU popup = nullptr;  // the sub-menu, if any
    UniqueMenu detached;    // owns popup while it is in no menu
    std::function<void()> click;
    std::function<std::vector<std::string>()> shellItems;
  };

  int Build(MenuItem& item, int parent, std::vector<ACCEL>& shortcuts);
  const Entry* Find(std::string_view name) const;
  Entry* Find(std::string_view name);
  HMENU Container(const Entry& entry) const;
  UINT Position(const Entry& entry) const;
  WORD CommandId(const Entry& entry) const;
  void Insert(Entry& entry);
  void Remove(Entry& entry);
  bool Active(int index) const;
  void BarChanged(const Entry& entry) const;

  std::vector<Entry> entries_;
  std::vector<int> topLevel_;
  UniqueMenu ownedBar_;
  HMENU bar_ = nullptr;
  HWND owner_ = nullptr;
  UniqueAccelerators accelerators_;
  ShellMenu shell_;  // the shell's items of the sub-menu opened last
};

}  // namespace vantiro::win32
