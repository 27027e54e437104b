#include "preview/html_window.h"

#include "app/form1.h"

namespace vantiro {
namespace {

constexpr Twips kDesignClientWidth = 1560;
constexpr Twips kDesignClientHeight = 1275;

}  // namespace

FrmHtml::FrmHtml(WindowSystem& ws, Form1& form1) : form1_(form1) {
  MenuItem close;
  close.name = "mnuClose";
  close.caption = "Close";
  close.click = [this] { mnuClose_Click(); };
  Window::Events events;
  events.resize = [this] { Form_Resize(); };
  events.unload = [this] { unloaded_ = true; };
  window_ = ws.CreateTopWindow({"HTML files",
                                WindowKind::SizableToolWindow,
                                kDesignClientWidth,
                                kDesignClientHeight,
                                {close}},
                               std::move(events));
  ListBox::Events listEvents;
  listEvents.mouseDown = [this](const MouseEvent& event) { List1_MouseDown(event); };
  listEvents.dblClick = [this] { List1_DblClick(); };
  list1_ = window_->CreateListBox(std::move(listEvents));
  list1_->SetWidth(kDesignClientWidth);
  list1_->SetHeight(kDesignClientHeight);
  list1_->SetVisible(true);
}

// A title stands for the HTML file on the same line of the file list: a
// press selects both, below the last title neither; a right press pops up
// the main window's FILE menu when a file is selected, else FOLDER.
void FrmHtml::List1_MouseDown(const MouseEvent& event) {
  int row = form1_.RowAt(*list1_, event.y);
  if (row > list1_->Count() - 1) row = -1;
  list1_->Select(row);
  ListBox& files = form1_.Files();
  if (list1_->Selected() <= files.Count() - 1) files.Select(list1_->Selected());
  if (event.button != kRightButton) return;
  Window& main = form1_.window();
  main.PopupMenu(main.MenuVisible(menu::mnuFileFunctions) ? menu::mnuFileFunctions
                                                          : menu::mnuDirFunctions);
}

void FrmHtml::List1_DblClick() { form1_.mnuFileOpen_Click(); }

// Only the width follows the user: the height snaps back to the list's.
void FrmHtml::Form_Resize() {
  if (!window_ || !list1_) return;
  list1_->SetWidth(window_->ClientWidth());
  window_->SetHeight(window_->Height() - window_->ClientHeight() + list1_->Height());
}

}  // namespace vantiro
