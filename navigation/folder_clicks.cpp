// A click on an entry of a folder box opens it into the next box.
#include "app/form1.h"

namespace vantiro {
namespace {

// A drive entry with a label ("c: [SYSTEM]") opens and shows as its letter.
std::string EntryOf(std::string entry) {
  if (entry.size() > 2 && entry.compare(1, 2, ": ") == 0) entry.resize(2);
  return entry;
}

}  // namespace

void Form1::Dir_Click(int index) {
  if (window_->Left() + window_->Width() < 0) window_->SetLeft(0);
  const std::string entry = EntryOf(Dir(index).Item(Dir(index).Selected()));
  std::string path = DirTag(index) + entry;
  if (path.empty() || path.back() != '\\') path += '\\';
  if (index == 0) {
    window_->SetMenuEnabled("mnuRemoveFavorites", Dir(0).Selected() > driveCount_);
  }
  if (entry.empty()) {
    ResetCurrentDir();
    return;
  }
  SetTimer1Enabled(window_->MenuChecked("mnuAnimation"));
  Update_Dir(index + 1, path);
  ResizeWindow();
}

}  // namespace vantiro
