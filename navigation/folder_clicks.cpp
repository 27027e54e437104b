// A click on an entry of a folder box opens it: its sub-folders in the next
// box, its files in the file list, its HTML titles beside the window.
#include <algorithm>

#include "app/form1.h"

namespace vantiro {
namespace {

// A drive entry with a label ("c: [SYSTEM]") opens and shows as its letter.
std::string EntryOf(std::string entry) {
  if (entry.size() > 2 && entry.compare(1, 2, ": ") == 0) entry.resize(2);
  return entry;
}

bool IsFavorite(const std::string& entry) { return entry.size() > 2 && entry[2] == '\\'; }

}  // namespace

void Form1::Dir_Click(int index) {
  for (;;) {
    if (window_->Left() + window_->Width() < 0) window_->SetLeft(0);
    const std::string& item = Dir(index).Item(Dir(index).Selected());
    const std::string entry = index == 0 ? EntryOf(item) : item;  // "c: x" may be a folder's name
    std::string path = DirTag(index) + entry;
    if (path.empty() || path.back() != '\\') path += '\\';
    if (index == 0)
      window_->SetMenuEnabled(menu::mnuRemoveFavorites, Dir(0).Selected() > driveCount_);
    if (entry.empty()) {
      ResetCurrentDir();
      return;
    }
    SetTimer1Enabled(window_->MenuChecked(menu::mnuAnimation));
    HidePictureViewer();
    HidePlayer(false);
    const DirStatus status = Update_Dir(index + 1, path);
    ws_.DoEvents();
    if (status == DirStatus::Failed) {
      const int answer =
          ws_.MsgBox("Unable to open '" + path + "'\r" +
                         "The selected drive or folder is not ready. Do you want to retry ?",
                     msgbox::kRetryCancel | msgbox::kExclamation, kAppTitle);
      if (answer == msgbox::kRetry) continue;
      if (IsFavorite(entry)) Dir(index).RemoveItem(Dir(index).Selected());
      ResetCurrentDir();
      return;
    }
    // The folder may vanish between listing its sub-folders and its files:
    // the list is then emptied so that no file command acts on stale entries.
    if (!Update_Files(index, path)) {
      files_->Clear();
      ClearHtmlList();
      ws_.MsgBox("Unable to list the files of '" + path + "'.",
                 msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
    }
    ResizeWindow();
    ShowHtmlList();
    window_->SetMenuVisible(menu::mnuFileFunctions, false);
    window_->SetMenuVisible(menu::mnuDirFunctions, true);
    window_->SetCaption(std::string(kCaption) + " - " + entry);
    return;
  }
}

// The HTML window stands flush right of the main window, top-aligned, no
// higher than the main window's lists.
void Form1::ShowHtmlList() {
  FrmHtml& html = frmHTML();
  ListBox& list = html.List1();
  if (list.Count() == 0) {
    html.window().Hide();
    return;
  }
  const std::int64_t wanted =
      std::int64_t{list.Count() + 1} * html.window().TextHeight(list.Item(0));
  list.SetHeight(ClampTwips(std::min<std::int64_t>(wanted, window_->ClientHeight())));
  Window& htmlWindow = html.window();
  const Twips frameWidth = htmlWindow.Width() - htmlWindow.ClientWidth();
  htmlWindow.SetWidth(ClampTwips(frameWidth + 2 * std::int64_t{ActiveBoxWidth}));
  list.SetBackColor(FilesBackColor);
  htmlWindow.SetHeight(htmlWindow.Height() - htmlWindow.ClientHeight() + list.Height());
  htmlWindow.SetWidth(htmlWindow.Width() - htmlWindow.ClientWidth() + list.Width());
  htmlWindow.SetLeft(ClampTwips(std::int64_t{window_->Left()} + window_->Width()));
  htmlWindow.SetTop(window_->Top());
  htmlWindow.Show();
  window_->Show();
  window_->SetFocus();
}

}  // namespace vantiro
