// An in-memory window system: records windows, controls, menus and
// geometry, answers message and input boxes from a script and records what
// they showed. Events run at once, as the real one runs them.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/window_system.h"
#include "tests/doubles/fake_controls.h"

namespace vantiro::fake {

// Caption, menu bar and borders around a window's client area.
inline constexpr Twips kFrameWidth = 90;
inline constexpr Twips kFrameHeight = 600;

class FakeTimer final : public Timer {
 public:
  FakeTimer(std::vector<FakeTimer*>& living, std::function<void()> tick)
      : living_(living), tick_(std::move(tick)) {
    living_.push_back(this);
  }
  ~FakeTimer() override { std::erase(living_, this); }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  // One period passes: ticks when enabled.
  void Elapse() {
    if (enabled_) tick_();
  }

 private:
  std::vector<FakeTimer*>& living_;
  std::function<void()> tick_;
  bool enabled_ = false;
};

class FakeWindow;

struct ShownMessage {
  std::string text;
  int style;
  std::string title;
};

class FakeWindowSystem final : public WindowSystem, public Executor, public PictureDecoder {
 public:
  std::unique_ptr<Window> CreateTopWindow(WindowDesign design, Window::Events events) override;
  std::unique_ptr<Timer> CreateTimer(int /*intervalMs*/, std::function<void()> tick) override {
    return std::make_unique<FakeTimer>(timers, std::move(tick));
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
  std::string InputBox(const std::string&, const std::string&,
                       const std::string& offered) override {
    inputOffers.push_back(offered);
    if (inputAnswers.empty()) return {};
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }
  std::optional<Color> PickColor(const ColorDialogRecord& record) override {
    colorDialogs.push_back(record);
    if (chosenColors.empty()) return std::nullopt;
    const std::optional<Color> chosen = chosenColors.front();
    chosenColors.pop_front();
    return chosen;
  }
  int TwipsPerPixelX() const override { return 15; }
  int TwipsPerPixelY() const override { return 15; }
  Twips ScreenWidth() const override { return 1024 * 15; }
  Twips ScreenHeight() const override { return 768 * 15; }
  Area WorkArea() const override { return {0, 0, 1024 * 15, 738 * 15}; }  // a task bar below
  void Beep() override { ++beeps; }
  void Quit() override { quit = true; }
  void Post(std::function<void()> work) override {
    const std::scoped_lock lock(postedLock_);
    posted_.push_back(std::move(work));
    postedReady_.notify_all();
  }
  // Comes in turn with the work posted, however long it was to wait.
  void PostAfter(int /*milliseconds*/, std::function<void()> work) override {
    Post(std::move(work));
  }
  std::vector<std::string> Extensions() const override { return pictureKinds; }
  // The pictures of the world; each decode is recorded.
  std::shared_ptr<const Picture> Decode(const std::string& path, const ChooseDivisor& divisor,
                                        const Lifetime::Flag& ended) const override {
    const auto found = world.pictures.find(path);
    if (found == world.pictures.end() || *ended) return nullptr;
    const auto [width, height] = found->second;
    decoded.emplace_back(path, divisor(width, height));
    return std::make_shared<FakePicture>(found->second, decoded.back().second);
  }
  // A job waits for RunPosted, which runs it on the test's thread.
  void Run(std::function<void()> job) override { jobs_.push_back(std::move(job)); }
  // Runs the next job, or else the next work posted, waiting for it; false
  // when nothing came.
  bool RunPosted(std::chrono::milliseconds wait) {
    std::function<void()> step;
    if (!jobs_.empty()) {
      step = std::move(jobs_.front());
      jobs_.pop_front();
    } else {
      std::unique_lock lock(postedLock_);
      if (!postedReady_.wait_for(lock, wait, [&] { return !posted_.empty(); })) return false;
      step = std::move(posted_.front());
      posted_.pop_front();
    }
    step();
    return true;
  }

  // The script: answers given in order.
  std::deque<int> msgBoxAnswers;
  std::deque<std::string> inputAnswers;
  std::vector<std::string> inputOffers;           // the text each input box offered
  std::optional<std::string> chosenFile;          // the file every file dialog chooses
  std::deque<std::optional<Color>> chosenColors;  // the colour dialog's answers, then Cancel
  // Runs while a message box is up, as if the user acted meanwhile.
  std::function<void()> onMessage;
  // Runs while a window is shown modally: the user's acts until it goes.
  std::function<void(FakeWindow&)> onModal;
  // The focus, and the pictures the program may load.
  ControlWorld world;
  std::vector<std::string> pictureKinds = {".bmp", ".ico", ".wmf", ".jpg", ".gif", ".png"};
  mutable std::vector<std::pair<std::string, int>> decoded;  // path, divisor

  // The record.
  std::vector<ShownMessage> messages;
  std::vector<ColorDialogRecord> colorDialogs;
  // Every character is 90 twips wide unless a test sets a text's width here.
  std::map<std::string, Twips> textWidths;
  int beeps = 0;
  bool quit = false;

  // The windows and timers that exist, in creation order.
  FakeWindow& window(int index) { return *windows.at(static_cast<std::size_t>(index)); }
  FakeTimer& timer(int index) { return *timers.at(static_cast<std::size_t>(index)); }
  std::vector<FakeWindow*> windows;  // owned by the program
  std::vector<FakeTimer*> timers;

 private:
  std::mutex postedLock_;
  std::condition_variable postedReady_;
  std::deque<std::function<void()>> jobs_;
  std::deque<std::function<void()>> posted_;
};

// Every character is 90 twips wide, unless a text's width is set.
inline Twips TextWidthIn(const std::map<std::string, Twips>& set, const std::string& text) {
  const auto found = set.find(text);
  return found != set.end() ? found->second : 90 * static_cast<Twips>(text.size());
}

class FakeWindow final : public FakeControlMaker<Window> {
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
  WindowState State() const override { return WindowState::Normal; }
  bool Visible() const override { return visible_; }
  void Show() override { visible_ = true; }
  void ShowModal() override {
    visible_ = true;
    if (ws_.onModal) ws_.onModal(*this);
  }
  void Hide() override { visible_ = false; }
  void SetFocus() override {}
  void SetTopMost(bool topMost) override { topMostCalls_.push_back(topMost); }
  void Close() override {
    if (closed_ || (events_.queryUnload && !events_.queryUnload())) return;
    closed_ = true;
    if (events_.unload) events_.unload();
    visible_ = false;
  }
  Twips TextHeight(const std::string&) const override { return kRowHeight; }
  std::shared_ptr<const TextMeasure> Measurer() const override {
    return std::make_shared<Measure>(ws_.textWidths);
  }
  bool MenuChecked(std::string_view name) const { return Menu(name).checked; }
  void SetMenuChecked(std::string_view name, bool on) override { Menu(name).checked = on; }
  bool MenuEnabled(std::string_view name) const { return Menu(name).enabled; }
  void SetMenuEnabled(std::string_view name, bool on) override { Menu(name).enabled = on; }
  bool MenuVisible(std::string_view name) const override { return Menu(name).visible; }
  void SetMenuVisible(std::string_view name, bool on) override { Menu(name).visible = on; }
  void PopupMenu(std::string_view name) override { popups_.emplace_back(name); }
  void DragByCaption() override { ++captionDrags; }
  int captionDrags = 0;
  std::optional<std::string> ChooseFile(const std::string&, const std::string&,
                                        const std::string&) override {
    return ws_.chosenFile;
  }
  bool ShowHelp(const std::string& helpFile, unsigned) override {  // while there is a viewer
    return helpViewer && (shownHelp.push_back(helpFile), true);
  }
  bool helpViewer = true;
  std::vector<std::string> shownHelp;
  std::uintptr_t SystemHandle() const override {
    return closed_ ? 0 : reinterpret_cast<std::uintptr_t>(this);
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
  // The paths a sub-menu the shell fills would be filled for, as it opens.
  std::vector<std::string> OpenShellMenu(std::string_view name) {
    return Path(name).back()->shellItems();
  }
  // Sizes the window as the user does by dragging its border.
  void UserResize(Twips width, Twips height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    if (events_.resize) events_.resize();
  }
  const std::vector<bool>& topMostCalls() const { return topMostCalls_; }
  const std::vector<std::string>& popups() const { return popups_; }
  bool closed() const { return closed_; }

 protected:
  ControlWorld& world() override { return ws_.world; }

 private:
  struct Measure final : TextMeasure {
    explicit Measure(const std::map<std::string, Twips>& set) : set(set) {}
    std::vector<Twips> Widths(const std::vector<std::string>& texts) const override {
      std::vector<Twips> widths;
      for (const std::string& text : texts) widths.push_back(TextWidthIn(set, text));
      return widths;
    }
    const std::map<std::string, Twips>& set;
  };

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
  bool visible_ = false, closed_ = false;
  std::vector<MenuItem> menuBar_;
  std::vector<bool> topMostCalls_;
  std::vector<std::string> popups_;
};

inline std::unique_ptr<Window> FakeWindowSystem::CreateTopWindow(WindowDesign design,
                                                                 Window::Events events) {
  return std::make_unique<FakeWindow>(*this, std::move(design), std::move(events));
}

}  // namespace vantiro::fake
