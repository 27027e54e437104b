#include "win32/list_box_control.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <windowsx.h>

#include "win32/wide_text.h"

namespace vantiro::win32 {
namespace {

constexpr DWORD kExStyle = WS_EX_CLIENTEDGE;
// Files the shell dropped, handed to the program once the drag is over: a
// question asked inside the drop would hold the other program's drag, and
// its mouse capture, until it is answered.
constexpr UINT kDroppedFiles = WM_APP + 1;

}  // namespace

ListBoxControl::ListBoxControl(const ChildParts& parts, Events events)
    : ChildWindow(parts.scale), events_(std::move(events)) {
  Adopt(
      CreateChild(parts, L"LISTBOX", "",
                  WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED |
                      LBS_NODATA | (events_.selectsMany ? LBS_EXTENDEDSEL : 0),
                  kExStyle),
      parts.font);
  if (!hwnd_) return;
  // Only once it is made: made with LBS_HASSTRINGS, the control would keep
  // strings of its own.
  SetWindowLongPtrW(hwnd_.get(), GWL_STYLE,
                    GetWindowLongPtrW(hwnd_.get(), GWL_STYLE) | LBS_HASSTRINGS);
  SetRowHeight(parts.font);
  if (events_.shellDrop) {
    dropTarget_ =
        ShellDropTarget::Create(events_.shellDragOver, [this](const auto& files, int effect) {
          dropped_ = files;
          PostMessageW(hwnd_.get(), kDroppedFiles, static_cast<WPARAM>(effect), 0);
        });
    RegisterDragDrop(hwnd_.get(), dropTarget_.get());
  }
}

// The window goes while the box is whole: its last messages reach it.
ListBoxControl::~ListBoxControl() {
  if (hwnd_) DestroyWindow(hwnd_.get());
}

// Mouse presses reach the program before the box moves its selection; the
// rows are the program's to tell.
LRESULT ListBoxControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == ControlKeyMessage())
    return events_.keyDown && events_.keyDown(Key(wParam)) ? TRUE : FALSE;
  std::optional<LRESULT> taken = OnMouse(message, wParam, lParam);
  if (!taken) taken = OnKey(message, wParam, lParam);
  if (!taken) taken = OnRowQuery(message, wParam, lParam);
  if (taken) return *taken;
  switch (message) {
    case kDroppedFiles: {
      const auto handler = events_.shellDrop;  // it may end the box
      handler(std::exchange(dropped_, {}), static_cast<int>(wParam));
      return 0;
    }
    case WM_DESTROY:
      OnDestroy();
      break;
    case WM_NCDESTROY:
      Abandon();
      break;
  }
  return Default(message, wParam, lParam);
}

std::optional<LRESULT> ListBoxControl::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      if (OnLeftDown(wParam, lParam)) return 0;
      break;
    // A quick second press is a press too; where the program chooses the
    // rows, the double click is told after it.
    case WM_LBUTTONDBLCLK:
      if (!OnLeftDown(wParam, lParam)) break;
      if (events_.selectsMany && !std::exchange(dragStarted_, false) && events_.dblClick)
        events_.dblClick();
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:  // the class has CS_DBLCLKS: a quick second press
      if (events_.mouseDown) events_.mouseDown(Mouse(kRightButton, wParam, lParam));
      break;
    case WM_LBUTTONUP:
      leftPressedHere_ = false;
      break;
    // A button pressed elsewhere and brought in held is not a press on the
    // box: under Wine the end of another program's drag comes as such a move.
    case WM_MOUSEMOVE:
      if (!(wParam & MK_LBUTTON)) leftPressedHere_ = false;
      if (events_.mouseMove) {
        events_.mouseMove(Mouse(leftPressedHere_ ? kLeftButton : 0, wParam, lParam));
      }
      break;
  }
  return std::nullopt;
}

std::optional<LRESULT> ListBoxControl::OnKey(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (events_.keyDown && events_.keyDown(Key(wParam))) return 0;
      if (events_.selectsMany && MovesSelection(wParam)) return 0;
      break;
    // Shift+F10 or the menu key; a right press has told mouseDown already.
    case WM_CONTEXTMENU:
      if (lParam == -1 && events_.menuKey) {
        events_.menuKey();
        return 0;
      }
      break;
    // An input method's characters come one by one, as typed ones do.
    case WM_CHAR:
    case WM_IME_CHAR:
      if (OnCharacter(static_cast<wchar_t>(wParam))) return 0;
      break;
  }
  return std::nullopt;
}

// The box keeps no rows: what another program asks of them is read from the
// program's.
std::optional<LRESULT> ListBoxControl::OnRowQuery(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LB_GETTEXTLEN:
      return HasRow(wParam) ? static_cast<LRESULT>(Wide(rows_(wParam)).size()) : LB_ERR;
    case LB_GETTEXT: {
      if (!HasRow(wParam)) return LB_ERR;
      const std::wstring row = Wide(rows_(wParam));
      wchar_t* to = reinterpret_cast<wchar_t*>(lParam);
      to[row.copy(to, row.size())] = L'\0';
      return static_cast<LRESULT>(row.size());
    }
    case LB_FINDSTRING:
      return FindRow(wParam, reinterpret_cast<const wchar_t*>(lParam));
  }
  return std::nullopt;
}

// A release that came while the handler ran (a message box, a slow folder)
// takes the press: the control would capture the mouse and wait for a
// release that has come and gone. Where the program chooses the rows, every
// press is its alone.
bool ListBoxControl::OnLeftDown(WPARAM wParam, LPARAM lParam) {
  leftPressedHere_ = true;
  if (!events_.mouseDown) return false;
  if (events_.selectsMany) ::SetFocus(hwnd_.get());
  dragStarted_ = false;
  events_.mouseDown(Mouse(kLeftButton, wParam, lParam));
  const bool held = GetKeyState(VK_LBUTTON) < 0;
  if (held && !events_.selectsMany) return false;
  if (!held) leftPressedHere_ = false;
  ::SetFocus(hwnd_.get());  // what the control's own press would have done
  return true;
}

// The keys with which the control would move its own selection.
bool ListBoxControl::MovesSelection(WPARAM key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_SPACE;
}

void ListBoxControl::OnDestroy() {
  if (!dropTarget_) return;
  RevokeDragDrop(hwnd_.get());
  dropTarget_->Detach();
  dropTarget_.reset();
}

MouseEvent ListBoxControl::Mouse(int button, WPARAM wParam, LPARAM lParam) const {
  return MouseAt(button, wParam, lParam, scale_);
}

// A character outside the basic plane comes as two halves, joined here;
// a control character is the box's own.
bool ListBoxControl::OnCharacter(wchar_t unit) {
  if (IS_HIGH_SURROGATE(unit)) {
    highSurrogate_ = unit;
    return true;
  }
  const wchar_t high = std::exchange(highSurrogate_, L'\0');
  if (unit < 0x20 || unit == 0x7f || !events_.keyPress) return false;
  const char32_t character = IS_LOW_SURROGATE(unit) && high != L'\0'
                                 ? 0x10000 + ((char32_t(high) - 0xD800) << 10) + (unit - 0xDC00)
                                 : char32_t(unit);
  return events_.keyPress(Key(character));
}

KeyEvent ListBoxControl::Key(WPARAM code) {
  return {static_cast<int>(code), KeyShift(), static_cast<std::uint32_t>(GetMessageTime())};
}

void ListBoxControl::Move(Twips left, Twips top, Twips width, Twips height) {
  RECT frame{};
  AdjustWindowRectEx(&frame, WS_CHILD, FALSE, kExStyle);
  const int border = frame.bottom - frame.top;
  const int row = static_cast<int>(Send(LB_GETITEMHEIGHT));
  const int inside = scale_.YToPixels(height) - border;
  if (row > 0 && inside > 0) height = scale_.YToTwips(border + inside / row * row);
  ChildWindow::Move(left, top, width, height);
}

void ListBoxControl::OnCommand(WORD code) {
  if (code == LBN_SELCHANGE && events_.click) events_.click();
  if (code == LBN_DBLCLK && events_.dblClick) events_.dblClick();
}

HBRUSH ListBoxControl::OnColor(HDC dc) {
  if (!brush_) return nullptr;
  SetBkColor(dc, backColor_);
  return brush_.get();
}

// Drawn as the control draws a row of text: the selection in the
// system's colours, the focus as a dotted rectangle.
bool ListBoxControl::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT bounds = item.rcItem;
  if (item.itemAction == ODA_FOCUS || !HasRow(item.itemID)) {
    if (item.itemAction == ODA_FOCUS) DrawFocusRect(dc, &bounds);
    return true;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HBRUSH back = brush_ ? brush_.get() : GetSysColorBrush(COLOR_WINDOW);
  FillRect(dc, &bounds, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : back);
  SetTextColor(dc, GetSysColor(selected                               ? COLOR_HIGHLIGHTTEXT
                               : (item.itemState & ODS_DISABLED) != 0 ? COLOR_GRAYTEXT
                                                                      : COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);
  const std::wstring text = Wide(rows_(item.itemID));
  ExtTextOutW(dc, bounds.left + 1, bounds.top, ETO_CLIPPED, &bounds, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &bounds);
  return true;
}

// A row as high as a line of the font, as the control makes its own.
void ListBoxControl::SetRowHeight(HFONT font) {
  HDC dc = GetDC(hwnd_.get());
  HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(hwnd_.get(), dc);
  Send(LB_SETITEMHEIGHT, 0, metrics.tmHeight);
}

LRESULT ListBoxControl::FindRow(WPARAM start, const wchar_t* text) const {
  const std::wstring_view wanted = text;
  const std::size_t first = HasRow(start) ? start + 1 : 0;
  for (std::size_t step = 0; step < count_; ++step) {
    const std::size_t index = (first + step) % count_;
    const std::wstring row = Wide(rows_(index));
    if (row.size() >= wanted.size() &&
        CompareStringOrdinal(row.c_str(), static_cast<int>(wanted.size()), wanted.data(),
                             static_cast<int>(wanted.size()), TRUE) == CSTR_EQUAL)
      return static_cast<LRESULT>(index);
  }
  return LB_ERR;
}

void ListBoxControl::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  ShowRows(items_.size(), [this](std::size_t index) { return items_[index]; }, {});
}

// Each redraw a box is let do draws its scroll bar at once (under Wine some
// 5 ms, and a scroll bar that comes or goes lays the box out again): the
// rows, the selection and the scroll are drawn together.
void ListBoxControl::ShowRows(std::size_t count, RowText rows, const RowsShown& shown) {
  if (!hwnd_) return;
  Send(WM_SETREDRAW, FALSE);
  Send(LB_RESETCONTENT);
  rows_ = std::move(rows);
  ShowMoreRows(count);
  MarkSelected(shown.selected, shown.focus);
  if (shown.top >= 0) Send(LB_SETTOPINDEX, static_cast<WPARAM>(shown.top));
  Send(WM_SETREDRAW, TRUE);
  InvalidateRect(hwnd_.get(), nullptr, TRUE);
}

// The control keeps its selection and scroll as its count grows.
void ListBoxControl::ShowMoreRows(std::size_t count) {
  count_ = count;
  Send(LB_SETCOUNT, count);
}

void ListBoxControl::BlankRows() {
  if (!hwnd_) return;
  rows_ = [](std::size_t) { return std::string(); };
  MarkSelected({}, -1);
  InvalidateRect(hwnd_.get(), nullptr, TRUE);
}

// A box of many selected rows tells the row with the focus, when selected.
int ListBoxControl::Selected() const {
  if (!hwnd_) return -1;
  if (!events_.selectsMany) return static_cast<int>(Send(LB_GETCURSEL));
  const auto focus = static_cast<WPARAM>(Send(LB_GETCARETINDEX));
  return Send(LB_GETSEL, focus) > 0 ? static_cast<int>(focus) : -1;
}

void ListBoxControl::Select(int index) {
  if (!events_.selectsMany) {
    Send(LB_SETCURSEL, static_cast<WPARAM>(index));
  } else if (index < 0) {
    SelectRows({}, -1);
  } else {
    SelectRows({{index, index}}, index);
  }
}

// Drawn once, whatever the runs: all 100,000 rows selected and shown cost
// two messages.
void ListBoxControl::SelectRows(const std::vector<RowRun>& runs, int focus) {
  if (!hwnd_ || !events_.selectsMany) return;
  Send(WM_SETREDRAW, FALSE);
  MarkSelected(runs, focus);
  Send(WM_SETREDRAW, TRUE);
  InvalidateRect(hwnd_.get(), nullptr, TRUE);
}

void ListBoxControl::MarkSelected(const std::vector<RowRun>& runs, int focus) {
  if (!events_.selectsMany) {
    Send(LB_SETCURSEL, static_cast<WPARAM>(runs.empty() ? -1 : focus));
    return;
  }
  Send(LB_SETSEL, FALSE, -1);
  for (const RowRun& run : runs)
    Send(LB_SELITEMRANGEEX, static_cast<WPARAM>(run.first), static_cast<LPARAM>(run.last));
  if (focus >= 0) Send(LB_SETCARETINDEX, static_cast<WPARAM>(focus), FALSE);
}

int ListBoxControl::TopIndex() const { return static_cast<int>(Send(LB_GETTOPINDEX)); }

void ListBoxControl::SetBackColor(Color color) {
  if (!hwnd_) return;
  backColor_ = ToColorRef(color);
  brush_.reset(CreateSolidBrush(backColor_));
  InvalidateRect(hwnd_.get(), nullptr, TRUE);
}

// The scroll bar's page goes with its range: a range set alone over the
// page of an earlier extent shows the bar for a moment, and the box is
// laid out twice (under Wine some 20 ms a time).
void ListBoxControl::SetHorizontalExtent(Twips width) {
  if (!hwnd_) return;
  const int extent = scale_.XToPixels(width);
  RECT client{};
  GetClientRect(hwnd_.get(), &client);
  SCROLLINFO bar{sizeof bar,
                 SIF_RANGE | SIF_PAGE,
                 0,
                 std::max(extent - 1, 0),
                 static_cast<UINT>(client.right),
                 0,
                 0};
  SetScrollInfo(hwnd_.get(), SB_HORZ, &bar, FALSE);
  Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent));
}

// What DragAcceptFiles does, without loading the shell's library at the start.
void ListBoxControl::AcceptShellDrops() {
  if (!hwnd_) return;
  const LONG_PTR style = GetWindowLongPtrW(hwnd_.get(), GWL_EXSTYLE);
  SetWindowLongPtrW(hwnd_.get(), GWL_EXSTYLE, style | WS_EX_ACCEPTFILES);
}

// The press's point on the screen, where the system measures the drag
// distance from; the release, when it comes first, is taken.
bool ListBoxControl::DragStarts() {
  const DWORD at = GetMessagePos();
  leftPressedHere_ = false;
  if (GetKeyState(VK_LBUTTON) >= 0) return false;  // let go while the program ran
  dragStarted_ = DragDetect(hwnd_.get(), POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)}) != FALSE;
  return dragStarted_;
}

}  // namespace vantiro::win32
