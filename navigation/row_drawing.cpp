// The rows of the folder boxes and the file list, drawn from the chain. A
// long list is drawn a step at a time, each step posted to the window's
// thread: the window answers between them, and a newer drawing of the same
// list ends an older one.
#include <algorithm>

#include "navigation/browser.h"

namespace vantiro {

// What box index holds and has selected, and its scroll extent; top, when
// not -1, is the entry to show first.
void Browser::DrawBox(int index, int top) {
  SetHorizontalExtent(index);
  DrawRows(index, top);
}

void Browser::DrawFiles(int top) {
  previews_.frmHTML().SetRows(chain_.files().titles);
  SetFilesHorizontalExtent();
  DrawRows(kFileList, top);
}

ListBox& Browser::ListOf(int list) { return list == kFileList ? *files_ : Dir(list); }

const std::vector<std::string>* Browser::RowsOf(int list) const {
  if (list == kFileList) return &chain_.files().entries;
  return list <= chain_.LastBox() ? &chain_.box(list).entries : nullptr;
}

int Browser::SelectedRow(int list) const {
  return list == kFileList ? chain_.files().selected : chain_.box(list).selected;
}

void Browser::DrawRows(int list, int top) {
  const int drawing = ++drawings_[list];
  const std::vector<std::string>& rows = *RowsOf(list);
  if (rows.size() <= kDrawStep) {
    ListOf(list).SetItems(rows);
    EndRows(list, top);
    return;
  }
  ListOf(list).SetItems({rows.begin(), rows.begin() + kDrawStep});
  PostRows(list, drawing, kDrawStep, top);
}

void Browser::PostRows(int list, int drawing, std::size_t from, int top) {
  ++rowsToDraw_;
  ws_.Post([self = std::weak_ptr(self_), list, drawing, from, top] {
    if (const auto browser = self.lock()) (*browser)->DrawMoreRows(list, drawing, from, top);
  });
}

void Browser::DrawMoreRows(int list, int drawing, std::size_t from, int top) {
  --rowsToDraw_;
  const std::vector<std::string>* rows = RowsOf(list);
  if (drawings_[list] != drawing || !rows || from > rows->size()) return;
  const std::size_t to = std::min(rows->size(), from + kDrawStep);
  ListOf(list).AddItems(std::span(*rows).subspan(from, to - from));
  if (to < rows->size()) {
    PostRows(list, drawing, to, top);
  } else {
    EndRows(list, top);
  }
}

void Browser::EndRows(int list, int top) {
  ListOf(list).Select(SelectedRow(list));
  if (top >= 0) ListOf(list).SetTopIndex(top);
}

}  // namespace vantiro
