#include "win32/win32_menu_bar.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

#include "win32/wide_text.h"

namespace vantiro::win32 {
namespace {

constexpr WORD kFirstCommand = 100;

std::optional<WORD> KeyCode(std::string_view key) {
  if (key == "Del" || key == "Delete") return VK_DELETE;
  if (key == "Ins" || key == "Insert") return VK_INSERT;
  if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) {
    return static_cast<WORD>(std::toupper(static_cast<unsigned char>(key[0])));
  }
  int n = 0;
  const char* end = key.data() + key.size();
  if (key.size() >= 2 && key[0] == 'F' && std::from_chars(key.data() + 1, end, n).ptr == end &&
      n >= 1 && n <= 24) {
    return static_cast<WORD>(VK_F1 + n - 1);
  }
  return std::nullopt;
}

std::optional<BYTE> Modifier(std::string_view word) {
  if (word == "Ctrl") return FCONTROL;
  if (word == "Shift") return FSHIFT;
  if (word == "Alt") return FALT;
  return std::nullopt;
}

}  // namespace

std::optional<ACCEL> ParseShortcut(std::string_view text, WORD command) {
  BYTE flags = FVIRTKEY;
  for (std::size_t plus = text.find('+'); plus != std::string_view::npos; plus = text.find('+')) {
    const std::optional<BYTE> modifier = Modifier(text.substr(0, plus));
    if (!modifier) return std::nullopt;
    flags |= *modifier;
    text.remove_prefix(plus + 1);
  }
  const std::optional<WORD> key = KeyCode(text);
  if (!key) return std::nullopt;
  return ACCEL{flags, *key, command};
}

Win32MenuBar::Win32MenuBar(std::vector<MenuItem> design)
    : ownedBar_(CreateMenu()), bar_(ownedBar_.get()) {
  std::vector<ACCEL> shortcuts;
  for (MenuItem& item : design) topLevel_.push_back(Build(item, -1, shortcuts));
  // Parents come before their children, so each visible entry finds the
  // visible siblings designed before it already in place.
  for (Entry& entry : entries_) {
    if (entry.visible) Insert(entry);
  }
  if (!shortcuts.empty()) {
    accelerators_.reset(
        CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size())));
  }
}

int Win32MenuBar::Build(MenuItem& item, int parent, std::vector<ACCEL>& shortcuts) {
  const int index = static_cast<int>(entries_.size());
  Entry& entry = entries_.emplace_back();
  entry.name = std::move(item.name);
  entry.separator = item.caption == "-";
  entry.text = Wide(item.shortcut.empty() ? item.caption : item.caption + "\t" + item.shortcut);
  entry.checked = item.checked;
  entry.enabled = item.enabled;
  entry.visible = item.visible;
  entry.parent = parent;
  entry.click = std::move(item.click);
  entry.shellItems = std::move(item.shellItems);
  if (item.items.empty() && !entry.shellItems) {
    const std::optional<ACCEL> shortcut = ParseShortcut(item.shortcut, CommandId(entry));
    if (shortcut) shortcuts.push_back(*shortcut);
    return index;
  }
  entry.popup = CreatePopupMenu();
  entry.detached.reset(entry.popup);
  for (MenuItem& child : item.items) {
    const int childIndex = Build(child, index, shortcuts);
    entries_[static_cast<std::size_t>(index)].children.push_back(childIndex);
  }
  return index;
}

void Win32MenuBar::Attach(HWND owner) {
  static_cast<void>(ownedBar_.release());
  owner_ = owner;
}

const Win32MenuBar::Entry* Win32MenuBar::Find(std::string_view name) const {
  if (owner_ == nullptr) return nullptr;
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [name](const Entry& entry) { return entry.name == name; });
  return found == entries_.end() ? nullptr : &*found;
}

Win32MenuBar::Entry* Win32MenuBar::Find(std::string_view name) {
  return const_cast<Entry*>(std::as_const(*this).Find(name));
}

HMENU Win32MenuBar::Container(const Entry& entry) const {
  return entry.parent < 0 ? bar_ : entries_[static_cast<std::size_t>(entry.parent)].popup;
}

// The number of visible siblings designed before the entry.
UINT Win32MenuBar::Position(const Entry& entry) const {
  const std::vector<int>& siblings =
      entry.parent < 0 ? topLevel_ : entries_[static_cast<std::size_t>(entry.parent)].children;
  UINT position = 0;
  for (int sibling : siblings) {
    const Entry& other = entries_[static_cast<std::size_t>(sibling)];
    if (&other == &entry) break;
    if (other.visible) ++position;
  }
  return position;
}

WORD Win32MenuBar::CommandId(const Entry& entry) const {
  return static_cast<WORD>(kFirstCommand + (&entry - entries_.data()));
}

void Win32MenuBar::Insert(Entry& entry) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
  info.fType = entry.separator ? MFT_SEPARATOR : MFT_STRING;
  info.fState = (entry.checked ? MFS_CHECKED : 0u) | (entry.enabled ? 0u : MFS_DISABLED);
  info.wID = CommandId(entry);
  if (!entry.separator) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = entry.text.data();
  }
  if (entry.popup != nullptr) {
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = entry.detached.release();
  }
  InsertMenuItemW(Container(entry), Position(entry), TRUE, &info);
}

void Win32MenuBar::Remove(Entry& entry) {
  RemoveMenu(Container(entry), Position(entry), MF_BYPOSITION);
  entry.detached.reset(entry.popup);
}

void Win32MenuBar::SetChecked(std::string_view name, bool checked) {
  Entry* entry = Find(name);
  if (entry == nullptr) return;
  entry->checked = checked;
  if (entry->visible) {
    CheckMenuItem(Container(*entry), Position(*entry),
                  MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

void Win32MenuBar::SetEnabled(std::string_view name, bool enabled) {
  Entry* entry = Find(name);
  if (entry == nullptr) return;
  entry->enabled = enabled;
  if (!entry->visible) return;
  EnableMenuItem(Container(*entry), Position(*entry),
                 MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  BarChanged(*entry);
}

bool Win32MenuBar::Visible(std::string_view name) const {
  const Entry* entry = Find(name);
  return entry != nullptr && entry->visible;
}

void Win32MenuBar::SetVisible(std::string_view name, bool visible) {
  Entry* entry = Find(name);
  if (entry == nullptr || entry->visible == visible) return;
  if (visible) {
    entry->visible = true;
    Insert(*entry);
  } else {
    Remove(*entry);
    entry->visible = false;
  }
  BarChanged(*entry);
}

void Win32MenuBar::BarChanged(const Entry& entry) const {
  if (entry.parent < 0) DrawMenuBar(owner_);
}

void Win32MenuBar::Popup(std::string_view name) {
  const Entry* entry = Find(name);
  if (entry == nullptr || entry->popup == nullptr) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const BOOL command = TrackPopupMenu(entry->popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x,
                                      cursor.y, 0, owner_, nullptr);
  if (command != 0) Command(static_cast<WORD>(command), false);
}

// Whether the entry and every menu above it are visible and enabled.
bool Win32MenuBar::Active(int index) const {
  for (; index >= 0; index = entries_[static_cast<std::size_t>(index)].parent) {
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    if (!entry.visible || !entry.enabled) return false;
  }
  return true;
}

bool Win32MenuBar::MenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (owner_ == nullptr) return false;
  if (message == WM_INITMENUPOPUP) {
    const auto shellMenu = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
      return entry.shellItems && entry.popup == reinterpret_cast<HMENU>(wParam);
    });
    if (shellMenu != entries_.end()) {
      shell_.Fill(shellMenu->popup, shellMenu->shellItems(), owner_);
      result = 0;
      return true;
    }
  }
  return shell_.HandleMessage(message, wParam, lParam, result);
}

void Win32MenuBar::Command(WORD id, bool fromAccelerator) {
  const int index = id - kFirstCommand;
  if (owner_ == nullptr || (!fromAccelerator && shell_.Invoke(id, owner_))) return;
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  if (fromAccelerator && !Active(index)) return;
  const Entry& entry = entries_[static_cast<std::size_t>(index)];
  if (entry.click) entry.click();
}

bool Win32MenuBar::TranslateShortcut(MSG& msg) const {
  if (owner_ == nullptr || !accelerators_) return false;
  if (msg.hwnd != owner_ && !IsChild(owner_, msg.hwnd)) return false;
  return TranslateAcceleratorW(owner_, accelerators_.get(), &msg) != 0;
}

}  // namespace vantiro::win32
