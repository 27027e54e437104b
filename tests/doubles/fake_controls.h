// In-memory controls: each records what the program set and lets a test
// act as the user on it. Events run at once, as the real ones run them.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/user_control.h"

namespace vantiro::fake {

// Lists show whole rows of this height inside a border of kListBorder.
inline constexpr Twips kRowHeight = 195;
inline constexpr Twips kListBorder = 60;

// The control with the focus, and the pictures there are: path, natural size.
struct ControlWorld {
  const Control* focus = nullptr;
  std::map<std::string, std::pair<Twips, Twips>> pictures;
};

// A picture of the world, decoded at a divisor.
struct FakePicture final : Picture {
  FakePicture(std::pair<Twips, Twips> size, int divisor) : size(size), divisor(divisor) {}
  Twips Width() const override { return size.first; }
  Twips Height() const override { return size.second; }
  int Divisor() const override { return divisor; }
  std::pair<Twips, Twips> size;
  int divisor;
};

// Records what is drawn, one line a call ("picture 0 0", "fill 30 30 ...").
class FakeCanvas final : public Canvas {
 public:
  void FillRect(Twips left, Twips top, Twips width, Twips height, Color color) override {
    log.push_back("fill " + Numbers({left, top, width, height}) + " " + std::to_string(color));
  }
  void DrawFocusRect(Twips left, Twips top, Twips width, Twips height) override {
    log.push_back("focus " + Numbers({left, top, width, height}));
  }
  void DrawPicture(const PictureBox& /*source*/, Twips left, Twips top) override {
    log.push_back("picture " + Numbers({left, top}));
  }
  std::vector<std::string> log;

 private:
  static std::string Numbers(std::initializer_list<Twips> numbers) {
    std::string text;
    for (Twips number : numbers) text += (text.empty() ? "" : " ") + std::to_string(number);
    return text;
  }
};

template <typename Interface>
class FakeControl : public Interface {
 public:
  explicit FakeControl(ControlWorld& world) : world_(world) {}
  ~FakeControl() override {
    if (world_.focus == this) world_.focus = nullptr;
  }

  Twips Left() const override { return left_; }
  Twips Top() const override { return top_; }
  Twips Width() const override { return width_; }
  Twips Height() const override { return height_; }
  void SetLeft(Twips left) override { Place(left, top_, width_, height_); }
  void SetTop(Twips top) override { Place(left_, top, width_, height_); }
  void SetWidth(Twips width) override { Place(left_, top_, width, height_); }
  void SetHeight(Twips height) override { Place(left_, top_, width_, height); }
  void Move(Twips left, Twips top, Twips width, Twips height) override {
    Place(left, top, width, height);
  }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool HasFocus() const override { return world_.focus == this; }
  void SetFocus() override { world_.focus = this; }
  void SetToolTip(const std::string& /*text*/) override {}

 protected:
  // Every change of place or size comes here.
  virtual void Place(Twips left, Twips top, Twips width, Twips height) {
    left_ = left, top_ = top, width_ = width, height_ = height;
  }

  ControlWorld& world_;
  Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;

 private:
  bool visible_ = false, enabled_ = true;
};

class FakeListBox final : public FakeControl<ListBox> {
 public:
  FakeListBox(ControlWorld& world, std::vector<FakeListBox*>& living, Events events)
      : FakeControl(world), living_(living), events_(std::move(events)) {
    living_.push_back(this);
  }
  ~FakeListBox() override { std::erase(living_, this); }

  void SetItems(const std::vector<std::string>& items) override {
    items_ = items;
    selected_ = -1;
    topIndex_ = 0;
  }
  // The rows are read as a box draws them: when they are given.
  void ShowRows(std::size_t count, RowText rows, const RowsShown& shown) override {
    rows_ = std::move(rows);
    SetItems({});
    ShowMoreRows(count);
    if (events_.selectsMany) {
      SelectRows(shown.selected, shown.focus);
    } else {
      Select(shown.selected.empty() ? -1 : shown.focus);
    }
    if (shown.top >= 0) topIndex_ = shown.top;
  }
  void ShowMoreRows(std::size_t count) override {
    for (std::size_t row = items_.size(); row < count; ++row) items_.emplace_back(rows_(row));
  }
  void BlankRows() override {
    rows_ = [](std::size_t) { return std::string(); };
    std::ranges::fill(items_, std::string());
    runs_ = {};
    selected_ = -1;
  }
  int Selected() const override { return selected_; }
  void Select(int index) override {
    selected_ = index >= 0 && index < std::ssize(items_) ? index : -1;
  }
  void SelectRows(const std::vector<RowRun>& runs, int focus) override {
    runs_ = runs;
    const auto holds = [focus](RowRun run) { return run.first <= focus && focus <= run.last; };
    selected_ = std::ranges::any_of(runs, holds) ? focus : -1;
  }
  int TopIndex() const override { return topIndex_; }
  void SetBackColor(Color color) override { backColor_ = color; }
  void SetHorizontalExtent(Twips width) override { horizontalExtent_ = width; }
  void AcceptShellDrops() override {}
  // A drag starts while dragStarts is set; drags counts the presses that ask.
  bool DragStarts() override {
    ++drags;
    return dragStarts;
  }
  bool dragStarts = false;
  int drags = 0;
  // What the box shows, and what a test drives as the user.
  const std::vector<std::string>& Items() const { return items_; }
  const std::vector<RowRun>& Runs() const { return runs_; }
  Color backColor() const { return backColor_; }
  int horizontalExtent() const { return horizontalExtent_; }
  void UserScroll(int top) { topIndex_ = top; }
  // The user selects an entry (or the keyboard moves to it).
  // A box whose rows the program chooses hears a press on the row.
  void UserClick(int index, int keys = 0) {
    if (events_.selectsMany) {
      events_.mouseDown({kLeftButton, keys, 100, (index - topIndex_) * kRowHeight + 5});
      return;
    }
    Select(index);
    if (events_.click) events_.click();
  }
  void Press(const MouseEvent& event) { events_.mouseDown(event); }
  void DoubleClick() { events_.dblClick(); }
  void Move(const MouseEvent& event) { events_.mouseMove(event); }
  using FakeControl::Move;
  int ShellDragOver(bool offersFiles, int effects, int keys = 0) {
    return events_.shellDragOver(offersFiles, effects, keys);
  }
  void ShellDrop(const std::vector<std::string>& files, int effect = kDropCopy) {
    events_.shellDrop(files, effect);
  }
  // A key pressed with shift keys held, or a character typed at a time in
  // ms: true when the program took it.
  bool Key(int keyCode, int shift = 0) { return events_.keyDown({keyCode, shift, 0}); }
  void MenuKey() { events_.menuKey(); }
  bool Type(char typed, std::uint32_t time) { return events_.keyPress({typed, 0, time}); }

 protected:
  void Place(Twips left, Twips top, Twips width, Twips height) override {
    const Twips inside = height - 2 * kListBorder;
    FakeControl::Place(left, top, width,
                       inside <= 0 ? height : inside / kRowHeight * kRowHeight + 2 * kListBorder);
  }

 private:
  std::vector<FakeListBox*>& living_;
  Events events_;
  std::vector<std::string> items_;
  RowText rows_;
  int selected_ = -1, topIndex_ = 0, horizontalExtent_ = -1;
  Color backColor_ = 0;
  std::vector<RowRun> runs_;
};

// A control with a caption: a button, a label or a check box.
template <typename Interface>
class FakeCaptioned : public FakeControl<Interface> {
 public:
  FakeCaptioned(ControlWorld& world, std::string caption)
      : FakeControl<Interface>(world), caption_(std::move(caption)) {}
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }

 private:
  std::string caption_;
};

using FakeLabel = FakeCaptioned<Label>;

// A test raises the events as the user would: events.click().
class FakeButton final : public FakeCaptioned<Button> {
 public:
  FakeButton(ControlWorld& world, std::string caption, Events events)
      : FakeCaptioned(world, std::move(caption)), events(std::move(events)) {}
  void SetImage(const std::string& /*resourceName*/) override {}
  const Events events;
};

class FakeCheckBox final : public FakeCaptioned<CheckBox> {
 public:
  FakeCheckBox(ControlWorld& world, std::string caption, Events events)
      : FakeCaptioned(world, std::move(caption)), events(std::move(events)) {}
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  const Events events;

 private:
  bool checked_ = false;
};

class FakeScrollBar final : public FakeControl<ScrollBar> {
 public:
  FakeScrollBar(ControlWorld& world, Events events)
      : FakeControl(world), events_(std::move(events)) {}
  void SetRange(int min, int max) override {
    min_ = min;
    max_ = std::max(min, max);
    value_ = std::clamp(value_, min_, max_);
  }
  int Value() const override { return value_; }
  void SetValue(int value) override {
    value = std::clamp(value, min_, max_);
    if (std::exchange(value_, value) != value && events_.change) events_.change();
  }
  int SmallChange() const { return small_; }
  int LargeChange() const { return large_; }
  void SetChanges(int smallChange, int largeChange) override {
    small_ = smallChange;
    large_ = largeChange;
  }

 private:
  Events events_;
  int min_ = 0, max_ = 32767, value_ = 0, small_ = 1, large_ = 1;
};

class FakePictureBox final : public FakeControl<PictureBox> {
 public:
  FakePictureBox(ControlWorld& world, Events events)
      : FakeControl(world), events(std::move(events)) {}
  void SetPicture(std::shared_ptr<const Picture> picture) override {
    picture_ = std::move(picture);
    if (!stretch_ && picture_) Place(left_, top_, picture_->Width(), picture_->Height());
  }
  bool LoadResourcePicture(const std::string& name) override {
    const auto found = world_.pictures.find(name);
    SetPicture(found != world_.pictures.end() ? std::make_shared<FakePicture>(found->second, 1)
                                              : nullptr);
    return picture_ != nullptr;
  }
  Twips PictureWidth() const override { return picture_ ? picture_->Width() : 0; }
  Twips PictureHeight() const override { return picture_ ? picture_->Height() : 0; }
  // The divisor of the pixels shown; 0 without a picture.
  int Divisor() const { return picture_ ? picture_->Divisor() : 0; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch) override { stretch_ = stretch; }
  void SetBackColor(Color /*color*/) override {}
  void Refresh() override {}

  const Events events;  // a test raises them as the user would

 private:
  std::shared_ptr<const Picture> picture_;
  bool stretch_ = false;
};

// Records what the program sets, in order ("DeviceType WaveAudio", "Open");
// a device opens any file and plays until a test ends the sound.
class FakeMediaPlayer final : public FakeControl<MediaPlayer> {
 public:
  using FakeControl::FakeControl;
  int Mode() const override { return mode_; }
  void SetCommand(const std::string& command) override {
    log.push_back(command);
    if (command == "Open") mode_ = kModeStopped;
    if (command == "Close") mode_ = kModeNotOpen;
    if (command == "Play" && mode_ != kModeNotOpen) mode_ = kModePlaying;
  }
  void SetDeviceType(const std::string& type) override { log.push_back("DeviceType " + type); }
  void SetFileName(const std::string& name) override { log.push_back("FileName " + name); }
  void SetNotify(bool notify) override { log.push_back(notify ? "Notify" : "no Notify"); }
  void SetWait(bool wait) override { log.push_back(wait ? "Wait" : "no Wait"); }
  void SetShareable(bool shareable) override {
    log.push_back(shareable ? "Shareable" : "not Shareable");
  }
  void EndSound() { mode_ = kModeStopped; }

  std::vector<std::string> log;

 private:
  int mode_ = kModeNotOpen;
};

// Making controls, for a window and a user control alike.
template <typename Interface>
class FakeControlMaker : public Interface {
 public:
  using Interface::Interface;

  std::unique_ptr<ListBox> CreateListBox(ListBox::Events events) override {
    return std::make_unique<FakeListBox>(world(), listBoxes_, std::move(events));
  }
  std::unique_ptr<Button> CreateButton(const std::string& caption, ButtonRole,
                                       Button::Events events) override {
    return std::make_unique<FakeButton>(world(), caption, std::move(events));
  }
  std::unique_ptr<Label> CreateLabel(const std::string& caption) override {
    return std::make_unique<FakeLabel>(world(), caption);
  }
  std::unique_ptr<Label> CreateTextBlock() override {
    return std::make_unique<FakeLabel>(world(), std::string());
  }
  std::unique_ptr<CheckBox> CreateCheckBox(const std::string& caption,
                                           CheckBox::Events events) override {
    return std::make_unique<FakeCheckBox>(world(), caption, std::move(events));
  }
  std::unique_ptr<ScrollBar> CreateHScrollBar(ScrollBar::Events events) override {
    return std::make_unique<FakeScrollBar>(world(), std::move(events));
  }
  std::unique_ptr<PictureBox> CreatePictureBox(PictureBox::Events events) override {
    return std::make_unique<FakePictureBox>(world(), std::move(events));
  }
  std::unique_ptr<MediaPlayer> CreateMediaPlayer() override {
    return std::make_unique<FakeMediaPlayer>(world());
  }
  std::unique_ptr<UserControl> CreateUserControl(UserControl::Events events) override;

  // The list boxes that exist, in creation order.
  const std::vector<FakeListBox*>& listBoxes() const { return listBoxes_; }

 protected:
  virtual ControlWorld& world() = 0;

 private:
  std::vector<FakeListBox*> listBoxes_;  // owned by the program
};

class FakeUserControl final : public FakeControlMaker<FakeControl<UserControl>> {
 public:
  FakeUserControl(ControlWorld& world, Events events)
      : FakeControlMaker(world), events(std::move(events)) {}
  Twips ClientWidth() const override { return Width(); }
  Twips ClientHeight() const override { return Height(); }
  void Refresh() override {}
  std::uintptr_t SystemHandle() const override { return reinterpret_cast<std::uintptr_t>(this); }

  const Events events;  // a test raises them as the user would

 protected:
  ControlWorld& world() override { return world_; }
  void Place(Twips left, Twips top, Twips width, Twips height) override {
    const bool resized = width != width_ || height != height_;
    FakeControl::Place(left, top, width, height);
    if (resized && events.resize) events.resize();
  }
};

template <typename Interface>
std::unique_ptr<UserControl> FakeControlMaker<Interface>::CreateUserControl(
    UserControl::Events events) {
  return std::make_unique<FakeUserControl>(world(), std::move(events));
}

}  // namespace vantiro::fake
