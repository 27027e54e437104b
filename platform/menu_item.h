// A menu entry as designed, and the few ways the designs of the menus are
// written.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantiro {

// A menu entry as designed. A caption of "-" is a separator; a shortcut is
// written as shown in the menu ("Ctrl+F", "F5", "Shift+Del") and acts only
// while the entry and its menus are visible and enabled.
struct MenuItem {
  std::string name;
  std::string caption;
  std::string shortcut;
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  std::vector<MenuItem> items;  // a sub-menu when not empty
  std::function<void()> click;
  // A sub-menu the shell fills each time it opens with its own menu for
  // these paths (files of one folder, or a folder), as Explorer's right
  // click shows it; empty when there are none.
  std::function<std::vector<std::string>()> shellItems;
};

// The object whose handlers a part of the menu bar calls. The bar is made
// with the window, before the objects that handle its clicks: a click asks
// for the object then.
template <typename Object>
using HandlerOf = std::function<Object&()>;

// A click that calls a handler of that object.
template <typename Object>
std::function<void()> Calls(HandlerOf<Object> of, void (Object::*handler)()) {
  return [of = std::move(of), handler] { (of().*handler)(); };
}

inline MenuItem Item(std::string_view name, std::string caption, std::string shortcut = {},
                     std::function<void()> click = {}) {
  MenuItem item;
  item.name = name;
  item.caption = std::move(caption);
  item.shortcut = std::move(shortcut);
  item.click = std::move(click);
  return item;
}

inline MenuItem Separator(std::string_view name) { return Item(name, "-"); }

// A key shown beside the caption that no shortcut of the menu bar makes:
// the list with the focus takes it itself (F2 renames what it selects).
inline MenuItem ShownKey(MenuItem item, std::string_view key) {
  item.caption += "\t" + std::string(key);
  return item;
}

inline MenuItem Menu(std::string_view name, std::string caption, std::vector<MenuItem> items) {
  MenuItem menu = Item(name, std::move(caption));
  menu.items = std::move(items);
  return menu;
}

inline MenuItem ShellMenu(std::string_view name, std::string caption,
                          std::function<std::vector<std::string>()> paths) {
  MenuItem menu = Item(name, std::move(caption));
  menu.shellItems = std::move(paths);
  return menu;
}

inline MenuItem Checked(MenuItem item, bool checked) {
  item.checked = checked;
  return item;
}

inline MenuItem Enabled(MenuItem item, bool enabled) {
  item.enabled = enabled;
  return item;
}

inline MenuItem Visible(MenuItem item, bool visible) {
  item.visible = visible;
  return item;
}

}  // namespace vantiro
