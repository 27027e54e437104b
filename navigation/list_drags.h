// Dragging over the lists: a file dragged from the file list, or dropped
// from the shell, on a folder box is copied into its folder, and one
// dropped from the shell on the file list into the current folder; the
// left button held below a list's entries drags the whole window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "navigation/chain_lists.h"

namespace vantiro {

class ListDrags {
 public:
  using Copy = std::function<void(const std::string& source, const std::string& destFolder)>;
  ListDrags(WindowSystem& ws, Window& main, const FolderChain& chain, ChainLists& lists, Copy copy)
      : ws_(ws), main_(main), chain_(chain), lists_(lists), copy_(std::move(copy)) {}

  void Dir_MouseMove(int index, const MouseEvent& event);
  void Dir_DragOver(int index);
  void Dir_DragDrop(int index, const DragEvent& event);
  void Dir_OLEDragDrop(int index, const std::vector<std::string>& files);
  void Files_MouseMove(const MouseEvent& event);
  void Files_DragOver();
  int Files_OLEDragOver(bool offersFiles, int effects);
  void Files_OLEDragDrop(const std::vector<std::string>& files);

 private:
  WindowSystem& ws_;
  Window& main_;
  const FolderChain& chain_;
  ChainLists& lists_;
  Copy copy_;
};

}  // namespace vantiro
