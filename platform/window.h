// A top-level window: its kind, its menu bar and the controls on it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_host.h"
#include "platform/menu_item.h"

namespace vantiro {

enum class WindowState { Normal, Minimized, Maximized };

// Text measured in a window's font, on any thread, for as long as it is
// held: the window may go meanwhile.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The widths of many texts, measured in one go.
  virtual std::vector<Twips> Widths(const std::vector<std::string>& texts) const = 0;
};

enum class WindowKind {
  SizableToolWindow,  // thin caption with a close box, sizable border
  FixedToolWindow,    // thin caption with a close box, fixed border
  FixedDialog,        // full caption with a close box, fixed dialog border
};

struct WindowDesign {
  std::string caption;
  WindowKind kind = WindowKind::SizableToolWindow;
  Twips clientWidth = 0;
  Twips clientHeight = 0;
  std::vector<MenuItem> menuBar;  // none when empty
};

class Window : public ControlHost {
 public:
  struct Events {
    std::function<void()> resize;  // runs at once on every size change
    // The close box, or Close(): queryUnload first, which keeps the window
    // when it returns false; then unload.
    std::function<bool()> queryUnload;
    std::function<void()> unload;
    std::function<void()> click;                   // on the client area, outside every control
    std::function<void(const KeyEvent&)> keyDown;  // while the window has the focus
    std::function<void(Canvas&)> paint;            // the client area, under the controls
  };

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
  // Modeless: returns at once.
  virtual void Show() = 0;
  // Modal: the program's other windows take no input until this one is
  // hidden or closed, when ShowModal returns.
  virtual void ShowModal() = 0;
  virtual void Hide() = 0;
  // Makes the window active; the control of it that had the focus keeps it.
  virtual void SetFocus() = 0;
  // Top-most on or off, without moving, sizing or showing the window.
  virtual void SetTopMost(bool topMost) = 0;
  // Unloads the window: runs the unload event, then destroys it.
  virtual void Close() = 0;

  // A line of text in the window's font, which its controls share: the same
  // for any text (also for "").
  virtual Twips TextHeight(const std::string& text) const = 0;
  // What measures text in the window's font away from the window.
  virtual std::shared_ptr<const TextMeasure> Measurer() const = 0;

  // Menus, by name, anywhere in the bar. A hidden top-level menu leaves the
  // bar and comes back in its place when shown again.
  virtual void SetMenuChecked(std::string_view name, bool checked) = 0;
  virtual void SetMenuEnabled(std::string_view name, bool enabled) = 0;
  virtual bool MenuVisible(std::string_view name) const = 0;
  virtual void SetMenuVisible(std::string_view name, bool visible) = 0;
  // Pops up a top-level menu at the mouse pointer, visible or not.
  virtual void PopupMenu(std::string_view name) = 0;

  // Lets the window follow the mouse as if its caption were dragged.
  virtual void DragByCaption() = 0;
  // Opens a help file in the system's WinHelp viewer, owned by this window;
  // command is a help command such as kHelpContents. False where the system
  // has no viewer that shows it (today's Windows only says the format is
  // not supported).
  virtual bool ShowHelp(const std::string& helpFile, unsigned command) = 0;
  // The system's dialog for choosing an existing file whose name matches
  // pattern ("*.exe"), owned by this window; nullopt on Cancel.
  virtual std::optional<std::string> ChooseFile(const std::string& title,
                                                const std::string& filterName,
                                                const std::string& pattern) = 0;
  // The window system's own handle of the window, for the operating
  // system's dialogs that it owns; 0 once the window is gone.
  virtual std::uintptr_t SystemHandle() const = 0;
};

}  // namespace vantiro
