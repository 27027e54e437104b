#include "tests/doubles/fake_window_system.h"

#include <algorithm>
#include <stdexcept>

namespace vantiro::fake {
namespace {

MenuItem* FindMenu(std::vector<MenuItem>& items, std::string_view name,
                   std::vector<MenuItem*>* path = nullptr) {
  for (MenuItem& item : items) {
    if (item.name == name) {
      if (path) path->push_back(&item);
      return &item;
    }
    if (MenuItem* found = FindMenu(item.items, name, path)) {
      if (path) path->insert(path->begin(), &item);
      return found;
    }
  }
  return nullptr;
}

}  // namespace

// --- list boxes ---

FakeListBox::FakeListBox(std::vector<FakeListBox*>& registry, Events events)
    : registry_(registry), events_(std::move(events)) {
  registry_.push_back(this);
}

FakeListBox::~FakeListBox() { std::erase(registry_, this); }

void FakeListBox::Clear() {
  items_.clear();
  selected_ = -1;
  topIndex_ = 0;
}

void FakeListBox::InsertItem(int index, const std::string& text) {
  items_.insert(items_.begin() + std::clamp(index, 0, Count()), text);
  if (selected_ >= index) ++selected_;
}

void FakeListBox::RemoveItem(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("RemoveItem");
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
}

void FakeListBox::SetItems(const std::vector<std::string>& items) {
  Clear();
  items_ = items;
  ++batchFills_;
}

std::string FakeListBox::Item(int index) const {
  return index >= 0 && index < Count() ? items_[static_cast<std::size_t>(index)] : std::string();
}

void FakeListBox::Select(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == selected_) return;
  selected_ = index;
  if (events_.click) events_.click();
}

void FakeListBox::UserClick(int index) {
  selected_ = index;
  if (events_.click) events_.click();
}

void FakeListBox::SetHeight(Twips height) {
  const Twips inside = height - 2 * kListBorder;
  height_ = inside <= 0 ? height : inside / kRowHeight * kRowHeight + 2 * kListBorder;
}

// --- windows ---

FakeWindow::FakeWindow(FakeWindowSystem& ws, WindowDesign design, Events events)
    : ws_(ws),
      events_(std::move(events)),
      caption_(std::move(design.caption)),
      width_(design.clientWidth + kFrameWidth),
      height_(design.clientHeight + kFrameHeight),
      menuBar_(std::move(design.menuBar)) {
  ws_.windows.push_back(this);
}

FakeWindow::~FakeWindow() { std::erase(ws_.windows, this); }

Twips FakeWindow::ClientWidth() const { return std::max(0, width_ - kFrameWidth); }

Twips FakeWindow::ClientHeight() const { return std::max(0, height_ - kFrameHeight); }

void FakeWindow::SetWidth(Twips width) {
  if (width == width_) return;
  width_ = width;
  Resized();
}

void FakeWindow::SetHeight(Twips height) {
  if (height == height_) return;
  height_ = height;
  Resized();
}

void FakeWindow::UserResize(Twips width, Twips height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Resized();
}

void FakeWindow::Resized() {
  ++resizeEvents_;
  if (events_.resize) events_.resize();
}

void FakeWindow::Close() {
  if (closed_) return;
  closed_ = true;
  if (events_.unload) events_.unload();
  visible_ = false;
}

Twips FakeWindow::TextWidth(const std::string& text) const {
  auto set = ws_.textWidths.find(text);
  return set != ws_.textWidths.end() ? set->second : kCharWidth * static_cast<Twips>(text.size());
}

std::vector<Twips> FakeWindow::TextWidths(const std::vector<std::string>& texts) const {
  std::vector<Twips> widths;
  widths.reserve(texts.size());
  for (const std::string& text : texts) widths.push_back(TextWidth(text));
  return widths;
}

std::unique_ptr<ListBox> FakeWindow::CreateListBox(ListBox::Events events) {
  return std::make_unique<FakeListBox>(listBoxes_, std::move(events));
}

const MenuItem& FakeWindow::Menu(std::string_view name) const {
  return const_cast<FakeWindow*>(this)->Menu(name);
}

MenuItem& FakeWindow::Menu(std::string_view name) {
  MenuItem* item = FindMenu(menuBar_, name);
  if (!item) throw std::out_of_range("no menu item " + std::string(name));
  return *item;
}

std::vector<std::string> FakeWindow::BarCaptions() const {
  std::vector<std::string> captions;
  for (const MenuItem& menu : menuBar_) {
    if (menu.visible) captions.push_back(menu.caption);
  }
  return captions;
}

void FakeWindow::ChooseMenu(std::string_view name) {
  std::vector<MenuItem*> path;
  if (!FindMenu(menuBar_, name, &path))
    throw std::out_of_range("no menu item " + std::string(name));
  for (const MenuItem* item : path) {
    if (!item->visible || !item->enabled) return;
  }
  if (path.back()->click) path.back()->click();
}

// --- timers ---

FakeTimer::FakeTimer(std::vector<FakeTimer*>& registry, int intervalMs, std::function<void()> tick)
    : registry_(registry), intervalMs_(intervalMs), tick_(std::move(tick)) {
  registry_.push_back(this);
}

FakeTimer::~FakeTimer() { std::erase(registry_, this); }

// --- the window system ---

std::unique_ptr<Window> FakeWindowSystem::CreateTopWindow(WindowDesign design,
                                                          Window::Events events) {
  return std::make_unique<FakeWindow>(*this, std::move(design), std::move(events));
}

std::unique_ptr<Timer> FakeWindowSystem::CreateTimer(int intervalMs, std::function<void()> tick) {
  return std::make_unique<FakeTimer>(timers, intervalMs, std::move(tick));
}

int FakeWindowSystem::MsgBox(const std::string& text, int style, const std::string& title) {
  messages.push_back({text, style, title});
  if (onMessage) onMessage();
  if (!msgBoxAnswers.empty()) {
    const int answer = msgBoxAnswers.front();
    msgBoxAnswers.pop_front();
    return answer;
  }
  switch (style & 7) {
    case msgbox::kYesNo:
      return msgbox::kNo;
    case msgbox::kOkCancel:
    case msgbox::kRetryCancel:
      return msgbox::kCancel;
    default:
      return msgbox::kOk;
  }
}

std::string FakeWindowSystem::InputBox(const std::string& prompt, const std::string& title,
                                       const std::string& defaultText) {
  inputs.push_back({prompt, title, defaultText});
  if (inputAnswers.empty()) return {};
  std::string answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

}  // namespace vantiro::fake
