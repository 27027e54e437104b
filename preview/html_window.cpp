#include "preview/html_window.h"

#include <algorithm>

namespace vantiro {
namespace {

constexpr Twips kDesignClientWidth = 1560;
constexpr Twips kDesignClientHeight = 1275;

}  // namespace

FrmHtml::FrmHtml(WindowSystem& ws, Events events) : ws_(ws), events_(std::move(events)) {
  MenuItem close;
  close.name = "mnuClose";
  close.caption = "Close";
  close.click = [this] { mnuClose_Click(); };
  Window::Events windowEvents;
  windowEvents.resize = [this] { Form_Resize(); };
  windowEvents.unload = [this] { unloaded_ = true; };
  window_ = ws.CreateTopWindow({"HTML files",
                                WindowKind::SizableToolWindow,
                                kDesignClientWidth,
                                kDesignClientHeight,
                                {close}},
                               std::move(windowEvents));
  ListBox::Events listEvents;
  listEvents.mouseDown = [this](const MouseEvent& event) { List1_MouseDown(event); };
  listEvents.dblClick = [this] { events_.dblClick(); };
  list1_ = window_->CreateListBox(std::move(listEvents));
  list1_->SetWidth(kDesignClientWidth);
  list1_->SetHeight(kDesignClientHeight);
  list1_->SetVisible(true);
}

// Titles that come in batches add their rows to those shown; the list
// reads its rows from here.
void FrmHtml::SetRows(std::vector<std::string> rows) {
  const bool more = !rows_.empty() && rows.size() > rows_.size() &&
                    std::equal(rows_.begin(), rows_.end(), rows.begin());
  rows_ = std::move(rows);
  if (more) {
    list1_->ShowMoreRows(rows_.size());
    return;
  }
  list1_->ShowRows(rows_.size(),
                   [this](std::size_t row) { return row < rows_.size() ? rows_[row] : ""; }, {});
}

// The title under the mouse is selected, or none below the last.
void FrmHtml::List1_MouseDown(const MouseEvent& event) {
  int row = RowAt(list1_->TopIndex(), event.y, window_->TextHeight("A"), ws_.TwipsPerPixelY());
  if (row > std::ssize(rows_) - 1) row = -1;
  list1_->Select(row);
  events_.press(row, event.button);
}

// Only the width follows the user: the height snaps back to the list's.
void FrmHtml::Form_Resize() {
  if (!window_ || !list1_) return;
  list1_->SetWidth(window_->ClientWidth());
  window_->SetHeight(window_->Height() - window_->ClientHeight() + list1_->Height());
}

}  // namespace vantiro
