// An in-memory window system: records windows, list boxes, menus and
// geometry, answers message and input boxes from a script and records what
// they showed. Events run at once, as the real one runs them.
#pragma once

#include <algorithm>
#include <deque>
#include <map>
#include <stdexcept>
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

class FakeListBox final : public ListBox {
 public:
  FakeListBox(std::vector<FakeListBox*>& living, Events events)
      : living_(living), events_(std::move(events)) {
    living_.push_back(this);
  }
  ~FakeListBox() override { std::erase(living_, this); }

  void Clear() override {
    items_.clear();
    selected_ = -1;
    topIndex_ = 0;
  }
  void AddItem(const std::string& text) override { items_.push_back(text); }
  void InsertItem(int index, const std::string& text) override {
    items_.insert(items_.begin() + std::clamp(index, 0, Count()), text);
    if (selected_ >= index) ++selected_;
  }
  void RemoveItem(int index) override {
    if (index < 0 || index >= Count()) throw std::out_of_range("RemoveItem");
    items_.erase(items_.begin() + index);
    selected_ = selected_ == index ? -1 : selected_ - (selected_ > index);
  }
  void SetItems(const std::vector<std::string>& items) override {
    Clear();
    items_ = items;
    ++batchFills_;
  }
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Item(int index) const override {
    return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)] : "";
  }
  std::vector<std::string> Items() const override { return items_; }
  int Selected() const override { return selected_; }
  void Select(int index) override {
    if (index < -1 || index >= Count()) index = -1;
    if (index != selected_) UserClick(index);
  }
  int TopIndex() const override { return topIndex_; }
  Twips Left() const override { return left_; }
  Twips Top() const override { return top_; }
  Twips Width() const override { return width_; }
  Twips Height() const override { return height_; }
  void SetLeft(Twips left) override { left_ = left; }
  void SetTop(Twips top) override { top_ = top; }
  void SetWidth(Twips width) override { width_ = width; }
  void SetHeight(Twips height) override {
    const Twips inside = height - 2 * kListBorder;
    height_ = inside <= 0 ? height : inside / kRowHeight * kRowHeight + 2 * kListBorder;
  }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  void SetBackColor(Color color) override { backColor_ = color; }
  void SetHorizontalExtent(int pixels) override { horizontalExtent_ = pixels; }
  void AcceptShellDrops() override { acceptsShellDrops_ = true; }
  void BeginDrag() override { ++drags_; }
  void SetDragCursor(DragCursor cursor) override { dragCursor_ = cursor; }
  void SetFocus() override {}

  // What a test reads or drives.
  Color backColor() const { return backColor_; }
  int horizontalExtent() const { return horizontalExtent_; }
  bool acceptsShellDrops() const { return acceptsShellDrops_; }
  int batchFills() const { return batchFills_; }
  void setTopIndex(int index) { topIndex_ = index; }
  // A user's click on an entry: selects it and runs the click handler.
  void UserClick(int index) {
    selected_ = index;
    if (events_.click) events_.click();
  }
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
  std::vector<FakeListBox*>& living_;
  Events events_;
  std::vector<std::string> items_;
  int selected_ = -1, topIndex_ = 0, horizontalExtent_ = -1, batchFills_ = 0, drags_ = 0;
  Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = false, acceptsShellDrops_ = false;
  Color backColor_ = 0;
  DragCursor dragCursor_ = DragCursor::Copy;
};

class FakeTimer final : public Timer {
 public:
  FakeTimer(std::vector<FakeTimer*>& living, int intervalMs, std::function<void()> tick)
      : living_(living), intervalMs_(intervalMs), tick_(std::move(tick)) {
    living_.push_back(this);
  }
  ~FakeTimer() override { std::erase(living_, this); }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  int intervalMs() const { return intervalMs_; }
  // One period passes: ticks when enabled.
  void Elapse() {
    if (enabled_) tick_();
  }

 private:
  std::vector<FakeTimer*>& living_;
  int intervalMs_;
  std::function<void()> tick_;
  bool enabled_ = false;
};

class FakeWindow;

struct ShownMessage {
  std::string text;
  int style;
  std::string title;
};

struct ShownInput {
  std::string prompt, title, defaultText;
};

class FakeWindowSystem final : public WindowSystem {
 public:
  std::unique_ptr<Window> CreateTopWindow(WindowDesign design, Window::Events events) override;
  std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) override {
    return std::make_unique<FakeTimer>(timers, intervalMs, std::move(tick));
  }
  // Without an answer in the script, a message box takes the way out (OK,
  // Cancel or No) and an input box is cancelled.
  int MsgBox(const std::string& text, int style, const std::string& title) override {
    messages.push_back({text, style, title});
    if (onMessage) onMessage();
    const int buttons = style & 7;
    if (msgBoxAnswers.empty()) {
      return buttons == msgbox::kYesNo                                         ? msgbox::kNo
             : buttons == msgbox::kOkCancel || buttons == msgbox::kRetryCancel ? msgbox::kCancel
                                                                               : msgbox::kOk;
    }
    const int answer = msgBoxAnswers.front();
    msgBoxAnswers.pop_front();
    return answer;
  }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override {
    inputs.push_back({prompt, title, defaultText});
    if (inputAnswers.empty()) return {};
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }
  int TwipsPerPixelX() const override { return 15; }
  int TwipsPerPixelY() const override { return 15; }
  Twips ScreenWidth() const override { return 1024 * 15; }
  Twips ScreenHeight() const override { return 768 * 15; }
  void Beep() override { ++beeps; }
  void DoEvents() override {}
  void Quit() override { quit = true; }

  // The script: answers given in order.
  std::deque<int> msgBoxAnswers;
  std::deque<std::string> inputAnswers;
  // Runs while a message box is up, as if the user acted meanwhile.
  std::function<void()> onMessage;

  // The record.
  std::vector<ShownMessage> messages;
  std::vector<ShownInput> inputs;
  // Every character is 90 twips wide unless a test sets a text's width here.
  std::map<std::string, Twips> textWidths;
  int beeps = 0;
  bool quit = false;

  // The windows and timers that exist, in creation order.
  FakeWindow& window(int index) { return *windows.at(static_cast<std::size_t>(index)); }
  FakeTimer& timer(int index) { return *timers.at(static_cast<std::size_t>(index)); }
  std::vector<FakeWindow*> windows;  // owned by the program
  std::vector<FakeTimer*> timers;
};

class FakeWindow final : public Window {
 public:
  FakeWindow(FakeWindowSystem& ws, WindowDesign design, Events events)
      : ws_(ws),
        events_(std::move(events)),
        caption_(std::move(design.caption)),
        width_(design.clientWidth + kFrameWidth),
        height_(design.clientHeight + kFrameHeight),
        menuBar_(std::move(design.menuBar)) {
    ws_.windows.push_back(this);
  }
  ~FakeWindow() override { std::erase(ws_.windows, this); }

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  Twips Left() const override { return left_; }
  Twips Top() const override { return top_; }
  Twips Width() const override { return width_; }
  Twips Height() const override { return height_; }
  Twips ClientWidth() const override { return std::max(0, width_ - kFrameWidth); }
  Twips ClientHeight() const override { return std::max(0, height_ - kFrameHeight); }
  void SetLeft(Twips left) override { left_ = left; }
  void SetTop(Twips top) override { top_ = top; }
  void SetWidth(Twips width) override { UserResize(width, height_); }
  void SetHeight(Twips height) override { UserResize(width_, height); }
  WindowState State() const override { return state_; }
  bool Visible() const override { return visible_; }
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  void SetFocus() override {}
  void SetTopMost(bool topMost) override { topMostCalls_.push_back(topMost); }
  void Close() override {
    if (closed_) return;
    closed_ = true;
    if (events_.unload) events_.unload();
    visible_ = false;
  }
  Twips TextWidth(const std::string& text) const override {
    const auto set = ws_.textWidths.find(text);
    return set != ws_.textWidths.end() ? set->second : 90 * static_cast<Twips>(text.size());
  }
  Twips TextHeight(const std::string&) const override { return kRowHeight; }
  std::vector<Twips> TextWidths(const std::vector<std::string>& texts) const override {
    std::vector<Twips> widths;
    for (const std::string& text : texts) widths.push_back(TextWidth(text));
    return widths;
  }
  std::unique_ptr<ListBox> CreateListBox(ListBox::Events events) override {
    return std::make_unique<FakeListBox>(listBoxes_, std::move(events));
  }
  bool MenuChecked(std::string_view name) const override { return Menu(name).checked; }
  void SetMenuChecked(std::string_view name, bool on) override { Menu(name).checked = on; }
  bool MenuEnabled(std::string_view name) const override { return Menu(name).enabled; }
  void SetMenuEnabled(std::string_view name, bool on) override { Menu(name).enabled = on; }
  bool MenuVisible(std::string_view name) const override { return Menu(name).visible; }
  void SetMenuVisible(std::string_view name, bool on) override { Menu(name).visible = on; }
  void PopupMenu(std::string_view name) override { popups_.emplace_back(name); }
  void DragByCaption() override { ++captionDrags_; }
  void ShowHelp(const std::string& helpFile, unsigned command) override {
    helpShown_.push_back(helpFile + " " + std::to_string(command));
  }

  // What a test reads or drives.
  const MenuItem& Menu(std::string_view name) const {
    return *const_cast<FakeWindow*>(this)->Path(name).back();
  }
  MenuItem& Menu(std::string_view name) { return *Path(name).back(); }
  // Captions of the visible top-level menus, in bar order.
  std::vector<std::string> BarCaptions() const {
    std::vector<std::string> captions;
    for (const MenuItem& menu : menuBar_) {
      if (menu.visible) captions.push_back(menu.caption);
    }
    return captions;
  }
  // Chooses a menu command as the user would: only while it can be reached.
  void ChooseMenu(std::string_view name) {
    const std::vector<MenuItem*> path = Path(name);
    if (std::all_of(path.begin(), path.end(),
                    [](auto* item) { return item->visible && item->enabled; }) &&
        path.back()->click) {
      path.back()->click();
    }
  }
  // Sizes the window as the user does by dragging its border.
  void UserResize(Twips width, Twips height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    if (events_.resize) events_.resize();
  }
  void setState(WindowState state) { state_ = state; }
  const std::vector<bool>& topMostCalls() const { return topMostCalls_; }
  const std::vector<std::string>& popups() const { return popups_; }
  int captionDrags() const { return captionDrags_; }
  // Each help file opened, followed by a blank and the command.
  const std::vector<std::string>& helpShown() const { return helpShown_; }
  bool closed() const { return closed_; }
  // The list boxes that exist, in creation order.
  const std::vector<FakeListBox*>& listBoxes() const { return listBoxes_; }

 private:
  // The menu item of that name and the menus above it, outermost first.
  std::vector<MenuItem*> Path(std::string_view name) {
    std::vector<MenuItem*> path;
    const std::function<bool(std::vector<MenuItem>&)> find = [&](std::vector<MenuItem>& items) {
      for (MenuItem& item : items) {
        path.push_back(&item);
        if (item.name == name || find(item.items)) return true;
        path.pop_back();
      }
      return false;
    };
    if (!find(menuBar_)) throw std::out_of_range("no menu item " + std::string(name));
    return path;
  }

  FakeWindowSystem& ws_;
  Events events_;
  std::string caption_;
  Twips left_ = 0, top_ = 0, width_, height_;
  WindowState state_ = WindowState::Normal;
  bool visible_ = false, closed_ = false;
  int captionDrags_ = 0;
  std::vector<MenuItem> menuBar_;
  std::vector<bool> topMostCalls_;
  std::vector<std::string> popups_;
  std::vector<std::string> helpShown_;
  std::vector<FakeListBox*> listBoxes_;  // owned by the program
};

inline std::unique_ptr<Window> FakeWindowSystem::CreateTopWindow(WindowDesign design,
                                                                 Window::Events events) {
  return std::make_unique<FakeWindow>(*this, std::move(design), std::move(events));
}

}  // namespace vantiro::fake
