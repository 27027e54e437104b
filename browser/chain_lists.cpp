#include "browser/chain_lists.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "chain/names.h"
#include "settings/program.h"

namespace vantiro {
namespace {

// A scroll extent a little wider than the widest text: widths in twips are
// divided by 14, not by the 15 twips of a pixel at 96 DPI, and those
// pixels given back as twips for the screen's own scale.
Twips Extent(Twips widest) { return static_cast<Twips>(std::lrint(widest / 14.0)) * 15; }

}  // namespace

ChainLists::ChainLists(WindowSystem& ws, Window& main, const FolderChain& chain, Previews& previews,
                       const Options& options, const Appearance& appearance, Events events)
    : ws_(ws),
      main_(main),
      chain_(chain),
      previews_(previews),
      options_(options),
      look_(appearance),
      events_(std::move(events)) {
  // The file list waits beyond the design width until a folder fills it.
  events_.files.selectsMany = true;
  files_ = main_.CreateListBox(events_.files);
  files_->Move(main_.ClientWidth(), 0, look_.activeBoxWidth, main_.ClientHeight());
  files_->SetVisible(true);
}

const std::vector<std::string>* ChainLists::RowsOf(int list) const {
  if (list == kFileList) return &chain_.files().entries;
  return list <= chain_.LastBox() ? &chain_.box(list).entries : nullptr;
}

int ChainLists::SelectedRow(int list) const {
  return list == kFileList ? chain_.files().selection.Focus() : chain_.box(list).selected;
}

int ChainLists::RowAt(const ListBox& list, Twips y) const {
  return vantiro::RowAt(list.TopIndex(), y, main_.TextHeight("A"), ws_.TwipsPerPixelY());
}

void ChainLists::CreateDirBox() { dirs_.push_back(main_.CreateListBox(events_.box(DirCount()))); }

void ChainLists::ShowDir0() {
  if (dirs_.empty()) {
    CreateDirBox();
    Dir(0).SetVisible(true);
    Dir(0).SetLeft(0);
  }
  DrawBox(0);
  ShowBoxesInUse();
  Dir(0).SetWidth(look_.activeBoxWidth);
  Dir(0).SetHeight(main_.ClientHeight());
  Dir(0).SetBackColor(look_.foldersBackColor);
}

void ChainLists::ShowChainEnd() {
  const int last = chain_.LastBox();
  if (last > 0 && !options_.animation) Dir(last - 1).SetWidth(look_.boxesWidth);
  if (last == DirCount()) {
    CreateDirBox();
    Dir(last).SetVisible(true);
    Dir(last).SetLeft(ClampTwips(std::int64_t{last} * look_.boxesWidth));
    Dir(last).AcceptShellDrops();
  }
  ShowBoxesInUse();
  ListBox& box = Dir(last);
  box.SetWidth(look_.activeBoxWidth);
  if (last > 0) {
    box.SetHeight(Dir(0).Height());
    box.SetBackColor(look_.foldersBackColor);
  }
  PlaceFiles();
  events_.chainEndShown();
}

// Boxes beyond the active one keep their stale entries for reuse, but a
// box to the right of LastBox would stand over the active box and the file
// list: only boxes 0 (always in use) to LastBox are shown.
void ChainLists::ShowBoxesInUse() {
  for (int i = 1; i < DirCount(); ++i) {
    if (Dir(i).Visible() != (i <= chain_.LastBox())) Dir(i).SetVisible(i <= chain_.LastBox());
  }
}

// The file list stands right of the active box.
void ChainLists::PlaceFiles() {
  files_->SetLeft(
      ClampTwips(std::int64_t{chain_.LastBox()} * look_.boxesWidth + look_.activeBoxWidth));
  files_->SetHeight(Dir(0).Height());
  files_->SetWidth(look_.activeBoxWidth);
  files_->SetBackColor(look_.filesBackColor);
}

void ChainLists::DrawBox(int index, int top) {
  SetHorizontalExtent(index);
  DrawRows(index, top);
}

void ChainLists::DrawFiles(int top) {
  previews_.SetHtmlTitles(chain_.files().titles);
  files_->SetHorizontalExtent(Extent(chain_.files().widest));
  DrawRows(kFileList, top);
}

// The lists keep their count and scroll bars until their rows come: under
// Wine a scroll bar that goes and comes back lays a list out twice, some
// 5 ms each.
void ChainLists::BlankAfter(int index, int last) {
  for (int i = index + 1; i <= last; ++i) Dir(i).BlankRows();
  previews_.SetHtmlTitles({});
  files_->BlankRows();
}

// A box or the file list drawn again keeps its scroll position.
void ChainLists::Draw(const ChainChange& change) {
  if (change.length) ShowChainEnd();
  for (int index : change.boxes) {
    const bool made = change.length && index == chain_.LastBox();
    if (index <= chain_.LastBox()) DrawBox(index, made ? -1 : Dir(index).TopIndex());
  }
  if (change.files) DrawFiles(files_->TopIndex());
}

// The list reads its rows from the chain as it draws them: a row gone
// since reads "". Box 0 shows its drives and favourites as they are.
void ChainLists::DrawRows(int list, int top) {
  ListBox::RowsShown shown{{}, SelectedRow(list), top};
  if (list == kFileList) {
    shown.selected = chain_.files().selection.Runs();
  } else if (shown.focus >= 0) {
    shown.selected = {{shown.focus, shown.focus}};
  }
  const auto text = [this, list](std::size_t index) {
    const std::vector<std::string>* names = RowsOf(list);
    if (!names || index >= names->size()) return std::string();
    const std::string& name = (*names)[index];
    return list == kFileList ? FileRow(name) : list == 0 ? name : FolderRow(name);
  };
  ListOf(list).ShowRows(RowsOf(list)->size(), text, shown);
}

void ChainLists::ShowFileSelection() {
  const FileSelection& selection = chain_.files().selection;
  files_->SelectRows(selection.Runs(), selection.Focus());
}

Twips ChainLists::HorizontalExtent(const std::vector<std::string>& texts) const {
  if (!chain_.Measure()) return 0;
  const std::vector<Twips> widths = chain_.Measure()->Widths(texts);
  return widths.empty() ? 0 : Extent(std::ranges::max(widths));
}

// Box 0's favourites are measured again only when they changed: every
// rebuild of box 0 puts back the same, maybe thousands, of them.
Twips ChainLists::Dir0Extent() {
  const std::vector<std::string>& entries = chain_.box(0).entries;
  const std::span<const std::string> favorites = chain_.Favorites();
  const Twips drives = HorizontalExtent({entries.begin(), entries.end() - std::ssize(favorites)});
  if (favorites.empty()) return drives;
  if (!std::ranges::equal(favorites, measuredFavorites_.texts)) {
    measuredFavorites_.texts.assign(favorites.begin(), favorites.end());
    measuredFavorites_.widest = HorizontalExtent(measuredFavorites_.texts);
  }
  return std::max(drives, measuredFavorites_.widest);
}

void ChainLists::SetHorizontalExtent(int index) {
  Dir(index).SetHorizontalExtent(index == 0 ? Dir0Extent() : Extent(chain_.box(index).widest));
}

}  // namespace vantiro
