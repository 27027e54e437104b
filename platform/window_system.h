// The window system as the program sees it: top-level windows, list boxes,
// menus, a timer, message and input boxes. Lengths are twips; the adapter
// converts to pixels. Nothing here names a platform type.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantiro {

using Twips = std::int32_t;

// A colour: &H00BBGGRR, or &H800000nn for system colour nn.
using Color = std::uint32_t;

// Message box styles and answers; the values are those of the classic
// message box, so they pass through unchanged.
namespace msgbox {
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kYesNo = 4;
inline constexpr int kRetryCancel = 5;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kRetry = 4;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace msgbox

// The help viewer's command that shows the contents of a help file.
inline constexpr unsigned kHelpContents = 3;

// Mouse buttons and shift keys as event handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// The cursors an in-program drag shows: the plain arrow, or the arrow with
// a small plus and a dotted rectangle (copy).
enum class DragCursor { Arrow, Copy };

class ListBox;

// An in-program drag passing over, or dropped on, a list box.
struct DragEvent {
  ListBox* source = nullptr;  // the list box the drag started from
  Twips x = 0;                // relative to the list box under the mouse
  Twips y = 0;
};

// Drop effects of a shell drag.
inline constexpr int kDropNone = 0;
inline constexpr int kDropCopy = 1;

struct MouseEvent {
  int button = 0;  // kLeftButton, kRightButton, or 0 while moving with none
  int shift = 0;   // 1 Shift, 2 Ctrl, 4 Alt
  Twips x = 0;     // relative to the control
  Twips y = 0;
};

class ListBox {
 public:
  struct Events {
    std::function<void()> click;  // the selected index changed
    std::function<void()> dblClick;
    std::function<void(const MouseEvent&)> mouseDown;
    std::function<void(const MouseEvent&)> mouseMove;
    std::function<void(const DragEvent&)> dragOver;
    std::function<void(const DragEvent&)> dragDrop;
    // A drag from the shell passing over the box: returns the effect to
    // allow out of the effects offered. With a shellDrop handler the box is
    // a drop target for the shell.
    std::function<int(bool offersFiles, int effects)> shellDragOver;
    std::function<void(const std::vector<std::string>& files)> shellDrop;
  };

  virtual ~ListBox() = default;

  virtual void Clear() = 0;
  virtual void AddItem(const std::string& text) = 0;
  virtual void InsertItem(int index, const std::string& text) = 0;
  virtual void RemoveItem(int index) = 0;
  // Replaces all entries in one batch, without redrawing in between.
  virtual void SetItems(const std::vector<std::string>& items) = 0;
  virtual int Count() const = 0;
  // The text of an entry; "" for an index out of range (-1 included).
  virtual std::string Item(int index) const = 0;
  virtual std::vector<std::string> Items() const = 0;

  // -1 when nothing is selected. Select runs the click handler at once
  // when the index changes.
  virtual int Selected() const = 0;
  virtual void Select(int index) = 0;
  virtual int TopIndex() const = 0;

  virtual Twips Left() const = 0;
  virtual Twips Top() const = 0;
  virtual Twips Width() const = 0;
  // Whole rows only: the height read back may be a little lower than set.
  virtual Twips Height() const = 0;
  virtual void SetLeft(Twips left) = 0;
  virtual void SetTop(Twips top) = 0;
  virtual void SetWidth(Twips width) = 0;
  virtual void SetHeight(Twips height) = 0;

  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetBackColor(Color color) = 0;
  virtual void SetHorizontalExtent(int pixels) = 0;
  // Lets the shell drop files on the box (DragAcceptFiles).
  virtual void AcceptShellDrops() = 0;
  // Drags from this box within the program until the button is released,
  // showing its drag cursor; the boxes passed over get dragOver, the one
  // under the mouse at the end dragDrop.
  virtual void BeginDrag() = 0;
  virtual void SetDragCursor(DragCursor cursor) = 0;
  virtual void SetFocus() = 0;
};

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
};

enum class WindowState { Normal, Minimized, Maximized };

class Window {
 public:
  struct Events {
    std::function<void()> resize;  // runs at once on every size change
    std::function<void()> unload;  // the close box, or Close()
  };

  virtual ~Window() = default;

  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;

  // Outer position and size, and the inside (client) size.
  virtual Twips Left() const = 0;
  virtual Twips Top() const = 0;
  virtual Twips Width() const = 0;
  virtual Twips Height() const = 0;
  virtual Twips ClientWidth() const = 0;
  virtual Twips ClientHeight() const = 0;
  virtual void SetLeft(Twips left) = 0;
  virtual void SetTop(Twips top) = 0;
  virtual void SetWidth(Twips width) = 0;
  virtual void SetHeight(Twips height) = 0;
  virtual WindowState State() const = 0;

  virtual bool Visible() const = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void SetFocus() = 0;
  // Top-most on or off, without moving, sizing or showing the window.
  virtual void SetTopMost(bool topMost) = 0;
  // Unloads the window: runs the unload event, then destroys it.
  virtual void Close() = 0;

  // Text measured in the window's font, which its list boxes share. The
  // height is that of a line, whatever the text (also for "").
  virtual Twips TextWidth(const std::string& text) const = 0;
  virtual Twips TextHeight(const std::string& text) const = 0;
  // The widths of many texts, measured in one go.
  virtual std::vector<Twips> TextWidths(const std::vector<std::string>& texts) const = 0;

  // A new hidden list box on this window, with zero size at the top left.
  virtual std::unique_ptr<ListBox> CreateListBox(ListBox::Events events) = 0;

  // Menus, by name, anywhere in the bar. A hidden top-level menu leaves the
  // bar and comes back in its place when shown again.
  virtual bool MenuChecked(std::string_view name) const = 0;
  virtual void SetMenuChecked(std::string_view name, bool checked) = 0;
  virtual bool MenuEnabled(std::string_view name) const = 0;
  virtual void SetMenuEnabled(std::string_view name, bool enabled) = 0;
  virtual bool MenuVisible(std::string_view name) const = 0;
  virtual void SetMenuVisible(std::string_view name, bool visible) = 0;
  // Pops up a top-level menu at the mouse pointer, visible or not.
  virtual void PopupMenu(std::string_view name) = 0;

  // Lets the window follow the mouse as if its caption were dragged.
  virtual void DragByCaption() = 0;
  // Opens a help file in the help viewer, owned by this window; command is
  // a help command such as kHelpContents.
  virtual void ShowHelp(const std::string& helpFile, unsigned command) = 0;
};

enum class WindowKind {
  SizableToolWindow,  // thin caption with a close box, sizable border
};

struct WindowDesign {
  std::string caption;
  WindowKind kind = WindowKind::SizableToolWindow;
  Twips clientWidth = 0;
  Twips clientHeight = 0;
  std::vector<MenuItem> menuBar;
};

class Timer {
 public:
  virtual ~Timer() = default;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // A new hidden top-level window.
  virtual std::unique_ptr<Window> CreateTopWindow(WindowDesign design, Window::Events events) = 0;
  // A timer that calls tick every intervalMs while enabled; starts disabled.
  virtual std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) = 0;

  // Returns one of the msgbox answers.
  virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;
  // Returns the text typed, or "" when the user cancels.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultText) = 0;

  virtual int TwipsPerPixelX() const = 0;
  virtual int TwipsPerPixelY() const = 0;
  virtual Twips ScreenWidth() const = 0;
  virtual Twips ScreenHeight() const = 0;

  virtual void Beep() = 0;
  // Lets pending window events run (paint, timer ticks).
  virtual void DoEvents() = 0;
  // Ends the program: nothing of it runs after the current event returns.
  virtual void Quit() = 0;
};

}  // namespace vantiro
