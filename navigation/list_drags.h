// Dragging over the lists: files dropped from the shell (or dragged out of
// the file list) on a folder box are copied into its folder, and on the
// file list into the current folder; the left button held below a list's
// entries drags the whole window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "navigation/chain_lists.h"

namespace vantiro {

class ListDrags {
 public:
  using Copy =
      std::function<void(const std::vector<std::string>& sources, const std::string& destFolder)>;
  ListDrags(WindowSystem& ws, Window& main, const FolderChain& chain, ChainLists& lists, Copy copy)
      : ws_(ws), main_(main), chain_(chain), lists_(lists), copy_(std::move(copy)) {}

  void Dir_MouseMove(int index, const MouseEvent& event);
  void Dir_OLEDragDrop(int index, const std::vector<std::string>& files);
  void Files_MouseMove(const MouseEvent& event);
  int Files_OLEDragOver(bool offersFiles, int effects);
  void Files_OLEDragDrop(const std::vector<std::string>& files);

 private:
  // Whether a press at y of a list is below its rows.
  bool BelowRows(ListBox& list, const std::vector<std::string>& rows, Twips y) const;

  WindowSystem& ws_;
  Window& main_;
  const FolderChain& chain_;
  ChainLists& lists_;
  Copy copy_;
};

}  // namespace vantiro
