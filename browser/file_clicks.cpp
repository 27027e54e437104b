// The file list beside the active box: its filter, a click that selects a
// file and shows the FILE menu, a right click that pops up FILE or FOLDER,
// and the titles of its HTML files beside the window.
#include "browser/file_clicks.h"

#include "chain/names.h"
#include "commands/menu_names.h"

namespace vantiro {

FileClicks::FileClicks(WindowSystem& ws, Window& main, FolderChain& chain, ChainLists& lists,
                       Previews& previews, Commands& commands, const Appearance& look,
                       Events events)
    : ws_(ws),
      main_(main),
      chain_(chain),
      lists_(lists),
      previews_(previews),
      commands_(commands),
      look_(look),
      events_(std::move(events)) {}

MenuItem FileClicks::FiltersEntry(HandlerOf<FileClicks> of) {
  return Item("mnuFilters", "Files filtering...", "Ctrl+F",
              Calls(of, &FileClicks::mnuFilters_Click));
}

void FileClicks::mnuFilters_Click() {
  const std::string answer = ws_.InputBox("Please enter one or more filters (i.e. *.bmp)",
                                          "File Filters", chain_.Filter());
  if (answer.empty()) return;
  chain_.SetFilter(answer);
  events_.filtered();
}

void FileClicks::Files_Click() {
  events_.chosen();
  const std::optional<std::string> path = chain_.SelectedFilePath();
  if (!path) return;
  const std::string& name =
      chain_.files().entries[static_cast<std::size_t>(chain_.files().selection.Focus())];
  if (name.size() < 5) return;
  if (previews_.Preview(name, *path)) TakeFocusBack();
}

void FileClicks::TakeFocusBack() {
  main_.Show();
  main_.SetFocus();
  lists_.Files().SetFocus();
}

void FileClicks::ClickFile(int row, int keys) {
  if (row < -1 || row >= std::ssize(chain_.files().entries)) row = -1;
  const int focus = chain_.files().selection.Focus();
  chain_.ClickFile(row, keys);
  ShowSelection();
  if (chain_.files().selection.Focus() != focus) Files_Click();
}

void FileClicks::SelectAllFiles() {
  chain_.SelectAllFiles();
  ShowSelection();
}

// FILE shows once a file is selected; its commands for one file only while
// one is.
void FileClicks::ShowSelection() {
  lists_.ShowFileSelection();
  const std::size_t count = chain_.files().selection.Count();
  if (count > 0) main_.SetMenuVisible(menu::mnuFileFunctions, true);
  main_.SetMenuEnabled(menu::mnuFileOpenWith, count == 1);
  main_.SetMenuEnabled(menu::mnuFileRename, count == 1);
}

// A press on a selected file keeps the others selected, to drag them all
// out; let go where it was, it selects that file alone. A right press
// keeps them too, for the menu.
void FileClicks::Files_MouseDown(const MouseEvent& event) {
  const int row = lists_.RowAt(lists_.Files(), event.y);
  const FileSelection& selection = chain_.files().selection;
  const bool keeps = event.shift == 0 && selection.Has(row);
  if (!keeps) ClickFile(row, event.button == kLeftButton ? event.shift : 0);
  if (row > std::ssize(chain_.files().entries) - 1)
    main_.SetMenuVisible(menu::mnuFileFunctions, false);
  if (row <= std::ssize(chain_.files().titles) - 1) previews_.frmHTML().List1().Select(row);
  if (event.button == kLeftButton && selection.Has(row)) {
    if (lists_.Files().DragStarts()) {
      commands_.file().DragFilesOut();
    } else if (keeps) {
      ClickFile(row, 0);
    }
  }
  if (event.button == kRightButton) {
    lists_.Files().SetFocus();
    Files_MenuKey();
  }
}

void FileClicks::Files_MenuKey() {
  main_.PopupMenu(main_.MenuVisible(menu::mnuFileFunctions) ? menu::mnuFileFunctions
                                                            : menu::mnuDirFunctions);
}

// A title stands for the HTML file on the same line of the file list: a
// press selects both, below the last title neither; a right press pops up
// FILE when a file is selected, else FOLDER.
void FileClicks::Titles_MouseDown(int row, int button) {
  if (row <= std::ssize(chain_.files().entries) - 1) ClickFile(row, 0);
  if (button == kRightButton) {
    main_.PopupMenu(main_.MenuVisible(menu::mnuFileFunctions) ? menu::mnuFileFunctions
                                                              : menu::mnuDirFunctions);
  }
}

// The HTML window stands flush right of the main window, top-aligned, no
// higher than the main window's lists.
void FileClicks::ShowTitles(const std::string& path, std::vector<std::string> titles) {
  if (!chain_.SetTitles(path, std::move(titles))) return;
  previews_.SetHtmlTitles(chain_.files().titles);
  ShowHtmlList();
}

void FileClicks::ShowHtmlList() {
  if (chain_.files().titles.empty()) {
    previews_.HideHtmlList();
    return;
  }
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
