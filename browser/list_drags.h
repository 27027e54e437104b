// Dragging over the lists: files dropped from the shell (or dragged out of
// the file list) on a folder box are copied into its folder, and on the
// file list into the current folder, or moved there when the drag says so;
// the left button held below a list's entries drags the whole window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "browser/chain_lists.h"

namespace vantiro {

class ListDrags {
 public:
  // Files dropped on a folder, with the drop's effect.
  using Drop = std::function<void(const std::vector<std::string>& sources,
                                  const std::string& destFolder, int effect)>;
  ListDrags(WindowSystem& ws, Window& main, const FolderChain& chain, ChainLists& lists, Drop drop)
      : ws_(ws), main_(main), chain_(chain), lists_(lists), drop_(std::move(drop)) {}

  void Dir_MouseMove(int index, const MouseEvent& event);
  void Dir_OLEDragDrop(int index, const std::vector<std::string>& files, int effect);
  void Files_MouseMove(const MouseEvent& event);
  int Files_OLEDragOver(bool offersFiles, int effects, int keys);
  void Files_OLEDragDrop(const std::vector<std::string>& files, int effect);

 private:
  // Whether a press at y of a list is below its rows.
  bool BelowRows(ListBox& list, const std::vector<std::string>& rows, Twips y) const;

  WindowSystem& ws_;
  Window& main_;
  const FolderChain& chain_;
  ChainLists& lists_;
  Drop drop_;
};

}  // namespace vantiro
