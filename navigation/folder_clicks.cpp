// A click on an entry of a folder box opens it: its sub-folders in the next
// box, its files in the file list, its HTML titles beside the window.
#include <algorithm>

#include "navigation/browser.h"
#include "navigation/menu_names.h"

namespace vantiro {

// One pass over the folder gives its sub-folders and its files, before any
// other event can run: a click meanwhile finds the chain whole.
void Browser::Dir_Click(int index) {
  for (;;) {
    if (main_.Left() + main_.Width() < 0) main_.SetLeft(0);
    const std::string entry = chain_.EntryOf(index);
    const std::string path = chain_.PathOf(index);
    const int selected = chain_.box(index).selected;
    if (index == 0) main_.SetMenuEnabled(menu::mnuRemoveFavorites, selected > chain_.DriveCount());
    if (entry.empty()) {
      ResetCurrentDir();
      return;
    }
    host_.SetTimer1Enabled(options_.animation);
    previews_.HidePictureViewer();
    previews_.HidePlayer(false);
    const DirStatus status = Update_Dir(index + 1, path);
    if (status != DirStatus::Failed) Update_Files(index, path);
    ws_.DoEvents();
    if (status == DirStatus::Failed) {
      const int answer =
          ws_.MsgBox("Unable to open '" + path + "'\r" +
                         "The selected drive or folder is not ready. Do you want to retry ?",
                     msgbox::kRetryCancel | msgbox::kExclamation, kAppTitle);
      if (answer == msgbox::kRetry) continue;
      if (index == 0 && chain_.RemoveFavorite(selected)) DrawBox(0);
      ResetCurrentDir();
      return;
    }
    host_.ResizeWindow();
    ShowHtmlList();
    main_.SetMenuVisible(menu::mnuFileFunctions, false);
    main_.SetMenuVisible(menu::mnuDirFunctions, true);
    main_.SetCaption(std::string(kCaption) + " - " + entry);
    return;
  }
}

bool Browser::Reselect(int index, int entry, const std::string& text) {
  if (index > chain_.LastBox()) return false;
  const std::vector<std::string>& entries = chain_.box(index).entries;
  if (entry < -1 || entry >= std::ssize(entries) ||
      (entry < 0 ? "" : entries[static_cast<std::size_t>(entry)]) != text) {
    return false;
  }
  if (entry == chain_.box(index).selected) return true;
  chain_.Select(index, entry);
  Dir(index).Select(entry);
  Dir_Click(index);
  return true;
}

// The HTML window stands flush right of the main window, top-aligned, no
// higher than the main window's lists.
void Browser::ShowHtmlList() {
  FrmHtml& html = previews_.frmHTML();
  const std::vector<std::string>& rows = html.Rows();
  Window& htmlWindow = html.window();
  if (rows.empty()) {
    htmlWindow.Hide();
    return;
  }
  ListBox& list = html.List1();
  const std::int64_t wanted = std::int64_t{std::ssize(rows) + 1} * htmlWindow.TextHeight(rows[0]);
  list.SetHeight(ClampTwips(std::min<std::int64_t>(wanted, main_.ClientHeight())));
  const Twips frameWidth = htmlWindow.Width() - htmlWindow.ClientWidth();
  htmlWindow.SetWidth(ClampTwips(frameWidth + 2 * std::int64_t{look_.activeBoxWidth}));
  list.SetBackColor(look_.filesBackColor);
  htmlWindow.SetHeight(htmlWindow.Height() - htmlWindow.ClientHeight() + list.Height());
  htmlWindow.SetWidth(htmlWindow.Width() - htmlWindow.ClientWidth() + list.Width());
  htmlWindow.SetLeft(ClampTwips(std::int64_t{main_.Left()} + main_.Width()));
  htmlWindow.SetTop(main_.Top());
  htmlWindow.Show();
  main_.Show();
  main_.SetFocus();
}

}  // namespace vantiro
