// The list boxes that show the chain: a row of folder boxes, box 0 at the
// left and the last box, the active one, wide, with the file list beside
// it; and the titles of the file list's HTML files. They read their rows
// from the chain as they draw them. Boxes beyond the active one are kept,
// hidden, for reuse.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chain/folder_chain.h"
#include "platform/window_system.h"
#include "preview/previews.h"
#include "settings/options.h"

namespace vantiro {

class ChainLists {
 public:
  struct Events {
    std::function<ListBox::Events(int index)> box;  // for each box made
    ListBox::Events files;
    std::function<void()> chainEndShown;  // a box may have to move
  };
  // A list: a box's index, or the file list.
  static constexpr int kFileList = -1;

  ChainLists(WindowSystem& ws, Window& main, const FolderChain& chain, Previews& previews,
             const Options& options, const Appearance& appearance, Events events);

  ListBox& Dir(int index) { return *dirs_.at(static_cast<std::size_t>(index)); }
  int DirCount() const { return static_cast<int>(dirs_.size()); }
  ListBox& Files() { return *files_; }
  ListBox& ListOf(int list) { return list == kFileList ? *files_ : Dir(list); }
  // The rows of a list; nullptr for a box beyond the chain's end.
  const std::vector<std::string>* RowsOf(int list) const;
  int SelectedRow(int list) const;
  // The row under a point of a list, one line of the main window's font each.
  int RowAt(const ListBox& list, Twips y) const;

  // Box 0 as the chain holds it, made the first time.
  void ShowDir0();
  // Every box goes; the next ShowDir0 makes box 0 anew.
  void Clear() { dirs_.clear(); }
  // The last box of the chain, made when it ends the chain for the first
  // time, wide, and the file list beside it.
  void ShowChainEnd();
  // top, when not -1, is the row to show first.
  void DrawBox(int index, int top = -1);
  void DrawFiles(int top = -1);
  // While a folder is read: the boxes after index up to last, and the file
  // list, show blank rows.
  void BlankAfter(int index, int last);
  // The files selected in the chain, shown in the file list.
  void ShowFileSelection();
  // What a listing changed, each list keeping its scroll position.
  void Draw(const ChainChange& change);
  void SetHorizontalExtent(int index);

 private:
  void CreateDirBox();
  void ShowBoxesInUse();
  void PlaceFiles();
  void DrawRows(int list, int top);
  Twips HorizontalExtent(const std::vector<std::string>& texts) const;
  Twips Dir0Extent();

  WindowSystem& ws_;
  Window& main_;
  const FolderChain& chain_;
  Previews& previews_;
  const Options& options_;
  const Appearance& look_;
  Events events_;
  std::vector<std::unique_ptr<ListBox>> dirs_;  // made so far; past the chain, kept hidden
  std::unique_ptr<ListBox> files_;
  struct {
    std::vector<std::string> texts;
    Twips widest = 0;
  } measuredFavorites_;
};

}  // namespace vantiro
