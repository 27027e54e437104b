// An in-memory window system: records windows, list boxes, menus and
// geometry, answers message and input boxes from a script and records what
// they showed. Events run at once, as the real one runs them.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace vantiro::fake {

// Lists show whole rows of this height inside a border of kListBorder.
inline constexpr Twips kRowHeight = 195;
inline constexpr Twips kListBorder = 60;
// Caption, menu bar and borders around a window's client area.
inline constexpr Twips kFrameWidth = 90;
inline constexpr Twips kFrameHeight = 600;
// Every character is this wide unless a test sets a text's width.
inline constexpr Twips kCharWidth = 90;

class FakeWindowSystem;

class FakeListBox final : public ListBox {
 public:
  FakeListBox(std::vector<FakeListBox*>& registry, Events events);
  ~FakeListBox() override;

  void Clear() override;
  void AddItem(const std::string& text) override { items_.push_back(text); }
  void InsertItem(int index, const std::string& text) override;
  void RemoveItem(int index) override;
  void SetItems(const std::vector<std::string>& items) override;
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Item(int index) const override;
  std::vector<std::string> Items() const override { return items_; }
  int Selected() const override { return selected_; }
  void Select(int index) override;
  int TopIndex() const override { return topIndex_; }
  Twips Left() const override { return left_; }
  Twips Top() const override { return top_; }
  Twips Width() const override { return width_; }
  Twips Height() const override { return height_; }
  void SetLeft(Twips left) override { left_ = left; }
  void SetTop(Twips top) override { top_ = top; }
  void SetWidth(Twips width) override { width_ = width; }
  void SetHeight(Twips height) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  void SetBackColor(Color color) override { backColor_ = color; }
  void SetHorizontalExtent(int pixels) override { horizontalExtent_ = pixels; }
  void AcceptShellDrops() override { acceptsShellDrops_ = true; }
  void BeginDrag() override { ++drags_; }
  void SetDragCursor(DragCursor cursor) override { dragCursor_ = cursor; }
  void SetFocus() override { ++focusCount_; }

  // What a test reads or drives.
  Color backColor() const { return backColor_; }
  int horizontalExtent() const { return horizontalExtent_; }
  bool acceptsShellDrops() const { return acceptsShellDrops_; }
  int batchFills() const { return batchFills_; }
  void setTopIndex(int index) { topIndex_ = index; }
  // A user's click on an entry: selects it and runs the click handler.
  void UserClick(int index);
  void Press(const MouseEvent& event) { events_.mouseDown(event); }
  void Move(const MouseEvent& event) { events_.mouseMove(event); }
  void DragOver(ListBox& source) { events_.dragOver({&source, 0, 0}); }
  int ShellDragOver(bool offersFiles, int effects) {
    return events_.shellDragOver(offersFiles, effects);
  }
  void ShellDrop(const std::vector<std::string>& files) { events_.shellDrop(files); }
  int drags() const { return drags_; }
  DragCursor dragCursor() const { return dragCursor_; }

 private:
  std::vector<FakeListBox*>& registry_;
  Events events_;
  std::vector<std::string> items_;
  int selected_ = -1;
  int topIndex_ = 0;
  Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = false;
  Color backColor_ = 0;
  int horizontalExtent_ = -1;
  bool acceptsShellDrops_ = false;
  int focusCount_ = 0;
  int batchFills_ = 0;
  int drags_ = 0;
  DragCursor dragCursor_ = DragCursor::Copy;
};

class FakeWindow final : public Window {
 public:
  FakeWindow(FakeWindowSystem& ws, WindowDesign design, Events events);
  ~FakeWindow() override;

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  Twips Left() const override { return left_; }
  Twips Top() const override { return top_; }
  Twips Width() const override { return width_; }
  Twips Height() const override { return height_; }
  Twips ClientWidth() const override;
  Twips ClientHeight() const override;
  void SetLeft(Twips left) override { left_ = left; }
  void SetTop(Twips top) override { top_ = top; }
  void SetWidth(Twips width) override;
  void SetHeight(Twips height) override;
  WindowState State() const override { return state_; }
  bool Visible() const override { return visible_; }
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  void SetFocus() override { ++focusCount_; }
  void SetTopMost(bool topMost) override { topMostCalls_.push_back(topMost); }
  void Close() override;
  Twips TextWidth(const std::string& text) const override;
  Twips TextHeight(const std::string&) const override { return kRowHeight; }
  std::vector<Twips> TextWidths(const std::vector<std::string>& texts) const override;
  std::unique_ptr<ListBox> CreateListBox(ListBox::Events events) override;
  bool MenuChecked(std::string_view name) const override { return Menu(name).checked; }
  void SetMenuChecked(std::string_view name, bool checked) override {
    Menu(name).checked = checked;
  }
  bool MenuEnabled(std::string_view name) const override { return Menu(name).enabled; }
  void SetMenuEnabled(std::string_view name, bool enabled) override {
    Menu(name).enabled = enabled;
  }
  bool MenuVisible(std::string_view name) const override { return Menu(name).visible; }
  void SetMenuVisible(std::string_view name, bool visible) override {
    Menu(name).visible = visible;
  }
  void PopupMenu(std::string_view name) override { popups_.emplace_back(name); }
  void DragByCaption() override { ++captionDrags_; }
  void ShowHelp(const std::string& helpFile, unsigned command) override {
    helpShown_.push_back(helpFile + " " + std::to_string(command));
  }

  // What a test reads or drives.
  const MenuItem& Menu(std::string_view name) const;
  MenuItem& Menu(std::string_view name);
  const std::vector<MenuItem>& menuBar() const { return menuBar_; }
  // Captions of the visible top-level menus, in bar order.
  std::vector<std::string> BarCaptions() const;
  // Chooses a menu command as the user would: only while it can be reached.
  void ChooseMenu(std::string_view name);
  // Sizes the window as the user does by dragging its border.
  void UserResize(Twips width, Twips height);
  void setState(WindowState state) { state_ = state; }
  const std::vector<bool>& topMostCalls() const { return topMostCalls_; }
  const std::vector<std::string>& popups() const { return popups_; }
  int captionDrags() const { return captionDrags_; }
  // Each help file opened, followed by a blank and the command.
  const std::vector<std::string>& helpShown() const { return helpShown_; }
  bool closed() const { return closed_; }
  int resizeEvents() const { return resizeEvents_; }
  // The list boxes that exist, in creation order.
  const std::vector<FakeListBox*>& listBoxes() const { return listBoxes_; }

 private:
  void Resized();

  FakeWindowSystem& ws_;
  Events events_;
  std::string caption_;
  Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  WindowState state_ = WindowState::Normal;
  bool visible_ = false;
  bool closed_ = false;
  int focusCount_ = 0;
  int captionDrags_ = 0;
  int resizeEvents_ = 0;
  std::vector<MenuItem> menuBar_;
  std::vector<bool> topMostCalls_;
  std::vector<std::string> popups_;
  std::vector<std::string> helpShown_;
  std::vector<FakeListBox*> listBoxes_;  // owned by the program
};

class FakeTimer final : public Timer {
 public:
  FakeTimer(std::vector<FakeTimer*>& registry, int intervalMs, std::function<void()> tick);
  ~FakeTimer() override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  int intervalMs() const { return intervalMs_; }
  // One period passes: ticks when enabled.
  void Elapse() {
    if (enabled_) tick_();
  }

 private:
  std::vector<FakeTimer*>& registry_;
  int intervalMs_;
  std::function<void()> tick_;
  bool enabled_ = false;
};

struct ShownMessage {
  std::string text;
  int style;
  std::string title;
};

struct ShownInput {
  std::string prompt;
  std::string title;
  std::string defaultText;
};

class FakeWindowSystem final : public WindowSystem {
 public:
  std::unique_ptr<Window> CreateTopWindow(WindowDesign design, Window::Events events) override;
  std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) override;
  int MsgBox(const std::string& text, int style, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  int TwipsPerPixelX() const override { return 15; }
  int TwipsPerPixelY() const override { return 15; }
  Twips ScreenWidth() const override { return 1024 * 15; }
  Twips ScreenHeight() const override { return 768 * 15; }
  void Beep() override { ++beeps; }
  void DoEvents() override { ++doEvents; }
  void Quit() override { quit = true; }

  // The script: answers given in order. Without one, a message box takes the
  // way out (OK, Cancel or No) and an input box is cancelled.
  std::deque<int> msgBoxAnswers;
  std::deque<std::string> inputAnswers;
  // Runs while a message box is up, as if the user acted meanwhile.
  std::function<void()> onMessage;

  // The record.
  std::vector<ShownMessage> messages;
  std::vector<ShownInput> inputs;
  std::map<std::string, Twips> textWidths;  // widths a test sets for texts
  int beeps = 0;
  int doEvents = 0;
  bool quit = false;

  // The windows and timers that exist, in creation order.
  FakeWindow& window(int index) { return *windows.at(static_cast<std::size_t>(index)); }
  FakeTimer& timer(int index) { return *timers.at(static_cast<std::size_t>(index)); }
  std::vector<FakeWindow*> windows;  // owned by the program
  std::vector<FakeTimer*> timers;
};

}  // namespace vantiro::fake
