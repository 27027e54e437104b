// The rows of the folder boxes and the file list, drawn from the chain.
#include "navigation/browser.h"
#include "navigation/names.h"

namespace vantiro {

// What box index holds and has selected, and its scroll extent; top, when
// not -1, is the entry to show first.
void Browser::DrawBox(int index, int top) {
  SetHorizontalExtent(index);
  DrawRows(index, top);
}

void Browser::DrawFiles(int top) {
  previews_.SetHtmlTitles(chain_.files().titles);
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

// The list reads its rows from the chain as it draws them: a row gone
// since reads "". Box 0 shows its drives and favourites as they are.
void Browser::DrawRows(int list, int top) {
  ListOf(list).ShowRows(RowsOf(list)->size(), [this, list](std::size_t index) {
    const std::vector<std::string>* names = RowsOf(list);
    if (!names || index >= names->size()) return std::string();
    const std::string& name = (*names)[index];
    return list == kFileList ? FileRow(name) : list == 0 ? name : FolderRow(name);
  });
  EndRows(list, top);
}

void Browser::EndRows(int list, int top) {
  ListOf(list).Select(SelectedRow(list));
  if (top >= 0) ListOf(list).SetTopIndex(top);
}

}  // namespace vantiro
