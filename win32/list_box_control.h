// A list box as the program sees it: a subclassed LISTBOX child of a host,
// which hands the box its notifications and colour requests. A drag from the
// box holds the mouse capture until the button is released.
#pragma once

#include <windows.h>

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

  void SetItems(const std::vector<std::string>& items) override;
  void AddItems(std::span<const std::string> items) override;

  int Selected() const override;
  void Select(int index) override;
  int TopIndex() const override;
  void SetTopIndex(int index) override;

  void SetBackColor(Color color) override;
  void SetHorizontalExtent(int pixels) override;
  void AcceptShellDrops() override;
  void BeginDrag() override;
  void SetDragCursor(DragCursor cursor) override;

 private:
  static ListBoxControl* Of(HWND hwnd);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // True when the message belongs to the drag and the control must not see it.
  bool OnDragMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnLeftDown(WPARAM wParam, LPARAM lParam);
  void OnDestroy(HWND hwnd);
  MouseEvent Mouse(int button, WPARAM wParam, LPARAM lParam) const;
  static KeyEvent Key(WPARAM code);
  // The box of this program under a point of the screen, or nullptr.
  static ListBoxControl* BoxAt(POINT screen);
  POINT ToScreen(LPARAM clientPoint) const;
  DragEvent DragAt(POINT screen, const ListBoxControl& target);
  void DragTo(POINT screen);
  void DropAt(POINT screen);
  void EndDrag();
  void ShowDragCursor() const;

  Events events_;
  WNDPROC original_ = nullptr;
  UniqueBrush brush_;
  COLORREF backColor_ = 0;
  ComPtr<ShellDropTarget> dropTarget_;
  std::vector<std::string> dropped_;  // by the shell, not yet handed over
  DragCursor dragCursor_ = DragCursor::Copy;
  bool dragging_ = false;
  bool doubleClickDragged_ = false;  // the drag began with a double click
  bool leftPressedHere_ = false;     // and not yet released
};

}  // namespace vantiro::win32
