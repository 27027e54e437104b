#include "win32/common_controls.h"

#include <algorithm>

#include "win32/wide_text.h"

namespace vantiro::win32 {
namespace {

int IdOf(ButtonRole role, int id) {
  if (role == ButtonRole::Default) return IDOK;
  if (role == ButtonRole::Cancel) return IDCANCEL;
  return id;
}

void SetText(HWND hwnd, const std::string& text) {
  if (hwnd) SetWindowTextW(hwnd, Wide(text).c_str());
}

}  // namespace

ButtonControl::ButtonControl(const ChildParts& parts, const std::string& caption, ButtonRole role,
                             Events events)
    : ChildWindow(parts.scale), events_(std::move(events)) {
  ChildParts withId = parts;
  withId.id = IdOf(role, parts.id);
  const DWORD style = role == ButtonRole::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  Adopt(CreateChild(withId, L"BUTTON", caption, WS_TABSTOP | style), parts.font);
}

void ButtonControl::OnCommand(WORD code) {
  if (code == BN_CLICKED && events_.click) events_.click();
}

void ButtonControl::SetCaption(const std::string& caption) { SetText(hwnd_.get(), caption); }

// The bitmap's grey becomes the face colour of buttons.
void ButtonControl::SetImage(const std::string& resourceName) {
  image_.reset(
      static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), Wide(resourceName).c_str(),
                                      IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
  if (!hwnd_ || !image_) return;
  SetWindowLongPtrW(hwnd_.get(), GWL_STYLE, GetWindowLongPtrW(hwnd_.get(), GWL_STYLE) | BS_BITMAP);
  Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image_.get()));
}

LabelControl::LabelControl(const ChildParts& parts, const std::string& caption)
    : ChildWindow(parts.scale) {
  Adopt(CreateChild(parts, L"STATIC", caption, SS_LEFT | SS_NOPREFIX), parts.font);
}

void LabelControl::SetCaption(const std::string& caption) { SetText(hwnd_.get(), caption); }

namespace {

UniqueFont FixedPitchLike(HFONT font) {
  LOGFONTW look{};
  GetObjectW(font ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof look, &look);
  look.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  look.lfFaceName[0] = L'\0';
  return UniqueFont(CreateFontIndirectW(&look));
}

// The edit box's lines end in CR LF; the program's in LF.
std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace

TextBlockControl::TextBlockControl(const ChildParts& parts)
    : ChildWindow(parts.scale), font_(FixedPitchLike(parts.font)) {
  constexpr DWORD kStyle = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                           ES_AUTOVSCROLL | ES_AUTOHSCROLL;
  Adopt(CreateChild(parts, L"EDIT", "", kStyle, WS_EX_CLIENTEDGE), font_.get());
}

std::string TextBlockControl::Caption() const {
  return Replaced(TextOf(hwnd_.get()), "\r\n", "\n");
}

void TextBlockControl::SetCaption(const std::string& caption) {
  SetText(hwnd_.get(), Replaced(caption, "\n", "\r\n"));
}

CheckBoxControl::CheckBoxControl(const ChildParts& parts, const std::string& caption, Events events)
    : ChildWindow(parts.scale), events_(std::move(events)) {
  Adopt(CreateChild(parts, L"BUTTON", caption, WS_TABSTOP | BS_AUTOCHECKBOX), parts.font);
}

// The box has toggled itself when BN_CLICKED comes.
void CheckBoxControl::OnCommand(WORD code) {
  if (code == BN_CLICKED && events_.click) events_.click();
}

void CheckBoxControl::SetCaption(const std::string& caption) { SetText(hwnd_.get(), caption); }

void CheckBoxControl::SetChecked(bool checked) {
  Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

ScrollBarControl::ScrollBarControl(const ChildParts& parts, Events events)
    : ChildWindow(parts.scale), events_(std::move(events)) {
  Adopt(CreateChild(parts, L"SCROLLBAR", "", WS_TABSTOP | SBS_HORZ), nullptr);
  SetRange(min_, max_);
}

bool ScrollBarControl::Place(int value) {
  value = std::clamp(value, min_, max_);
  const bool changed = value != value_;
  value_ = value;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS;
  info.nMin = min_;
  info.nMax = max_;
  info.nPos = value_;
  if (hwnd_) SetScrollInfo(hwnd_.get(), SB_CTL, &info, TRUE);
  return changed;
}

void ScrollBarControl::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  Place(value_);
}

void ScrollBarControl::SetValue(int value) {
  if (Place(value) && events_.change) events_.change();
}

void ScrollBarControl::SetChanges(int smallChange, int largeChange) {
  smallChange_ = smallChange;
  largeChange_ = largeChange;
}

void ScrollBarControl::OnScroll(WORD code) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  switch (code) {
    case SB_LINELEFT:
      return SetValue(value_ - smallChange_);
    case SB_LINERIGHT:
      return SetValue(value_ + smallChange_);
    case SB_PAGELEFT:
      return SetValue(value_ - largeChange_);
    case SB_PAGERIGHT:
      return SetValue(value_ + largeChange_);
    case SB_LEFT:
      return SetValue(min_);
    case SB_RIGHT:
      return SetValue(max_);
    case SB_THUMBTRACK:
      GetScrollInfo(hwnd_.get(), SB_CTL, &info);
      if (Place(info.nTrackPos) && events_.scroll) events_.scroll();
      return;
    case SB_THUMBPOSITION:
      GetScrollInfo(hwnd_.get(), SB_CTL, &info);
      Place(info.nTrackPos);
      if (events_.change) events_.change();  // the drag is over: its value stands
      return;
  }
}

}  // namespace vantiro::win32
