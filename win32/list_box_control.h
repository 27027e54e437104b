// A list box as the program sees it: a subclassed LISTBOX child of a host,
// which hands the box its notifications, colour requests and rows to draw.
//
// The control itself holds no rows (LBS_NODATA), only their count: a folder
// of 100,000 files shows at once and costs no second copy of its names. The
// box draws each row it shows, and answers LB_GETTEXT, LB_GETTEXTLEN and
// LB_FINDSTRING from the rows, for other programs (screen readers) as
// for itself; its style says LBS_HASSTRINGS so that the system carries that
// text between processes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/list_box.h"
#include "win32/child_control.h"
#include "win32/shell_drop_target.h"

namespace vantiro::win32 {

class ListBoxControl final : public ChildWindow<ListBox> {
 public:
  ListBoxControl(const ChildParts& parts, Events events);
  ~ListBoxControl() override;
  // Registered with OLE while the window lives, when the box has a shellDrop
  // handler; nullptr otherwise.
  IDropTarget* shellDropTarget() const { return dropTarget_.get(); }
  // Whole rows, counted as if there were no horizontal scroll bar: every
  // list given one height ends at one bottom edge, and a scroll bar takes
  // its room from the rows.
  void Move(Twips left, Twips top, Twips width, Twips height) override;
  void OnCommand(WORD code) override;
  HBRUSH OnColor(HDC dc) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

  void SetItems(const std::vector<std::string>& items) override;
  void ShowRows(std::size_t count, RowText rows, const RowsShown& shown) override;
  void ShowMoreRows(std::size_t count) override;
  void BlankRows() override;

  int Selected() const override;
  void Select(int index) override;
  void SelectRows(const std::vector<RowRun>& runs, int focus) override;
  int TopIndex() const override;

  void SetBackColor(Color color) override;
  void SetHorizontalExtent(Twips width) override;
  void AcceptShellDrops() override;
  bool DragStarts() override;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Each nullopt when the box goes on with the message as its own.
  std::optional<LRESULT> OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> OnKey(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> OnRowQuery(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnLeftDown(WPARAM wParam, LPARAM lParam);
  // The selection set while the box draws nothing.
  void MarkSelected(const std::vector<RowRun>& runs, int focus);
  static bool MovesSelection(WPARAM key);
  void OnDestroy();
  MouseEvent Mouse(int button, WPARAM wParam, LPARAM lParam) const;
  bool OnCharacter(wchar_t unit);
  static KeyEvent Key(WPARAM code);
  void SetRowHeight(HFONT font);
  bool HasRow(WPARAM index) const { return index < count_; }
  // The first row after start (round to the top) that begins with text,
  // ignoring case; LB_ERR when none does.
  LRESULT FindRow(WPARAM start, const wchar_t* text) const;

  Events events_;
  std::vector<std::string> items_;  // the rows of SetItems
  RowText rows_;
  std::size_t count_ = 0;
  UniqueBrush brush_;
  COLORREF backColor_ = 0;
  ComPtr<ShellDropTarget> dropTarget_;
  std::vector<std::string> dropped_;  // by the shell, not yet handed over
  bool leftPressedHere_ = false;      // and not yet released
  bool dragStarted_ = false;          // by the program, from the last press
  wchar_t highSurrogate_ = L'\0';     // the first half of a character typed
};

}  // namespace vantiro::win32
