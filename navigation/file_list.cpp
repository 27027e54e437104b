// The file list beside the active box: the files of the folder last opened
// that match the filter, HTML files first with their titles in the HTML
// files window, line i for entry i.
#include "app/form1.h"
#include "navigation/file_filter.h"
#include "navigation/names.h"
#include "navigation/page_title.h"

namespace vantiro {
namespace {

enum class EntryKind { Program, Html, Other };

EntryKind KindOf(const std::string& name) {
  const std::string ending = LowerCase(name.substr(name.size() - 4));
  if (ending == ".exe" || ending == ".bat" || ending == ".com") return EntryKind::Program;
  if (ending == ".htm" || ending == "html") return EntryKind::Html;
  return EntryKind::Other;
}

// Programs show their extension in capitals (setup.EXE), which still names
// the same file.
std::string ProgramEntry(std::string name) {
  for (std::size_t i = name.size() - 4; i < name.size(); ++i) {
    if (name[i] >= 'a' && name[i] <= 'z') name[i] = static_cast<char>(name[i] - 'a' + 'A');
  }
  return name;
}

}  // namespace

bool Form1::Update_Files(int /*index*/, const std::string& path) {
  files_->SetLeft(ClampTwips(std::int64_t{LastBox} * BoxesWidth + ActiveBoxWidth));
  files_->SetHeight(Dir(0).Height());
  files_->SetWidth(ActiveBoxWidth);
  files_->SetBackColor(FilesBackColor);
  if (path.empty()) return true;

  std::optional<std::vector<std::string>> names = fs_.FileNames(path);
  if (!names) return false;
  const FileFilter filter(File1Pattern);
  std::erase_if(*names, [&](const std::string& name) { return !filter.Matches(name); });
  if (names->empty()) {
    files_->Clear();
    ClearHtmlList();
    return true;
  }
  SortByName(*names);

  FilesTag = path;
  ClearHtmlList();
  // HTML files go to the top as they come, so the list is built first and
  // filled once: inserting at the top one by one would be quadratic.
  std::deque<std::string> entries;
  std::deque<std::string> titles;
  std::vector<std::string> others;
  for (const std::string& name : *names) {
    if (name.size() <= 4) continue;
    switch (KindOf(name)) {
      case EntryKind::Html:
        AddHtmlTitle(path + name, titles);
        entries.push_front(name);
        break;
      case EntryKind::Program:
        others.push_back(ProgramEntry(name));
        break;
      case EntryKind::Other:
        others.push_back(name);
        break;
    }
  }
  entries.insert(entries.end(), others.begin(), others.end());
  files_->SetItems({entries.begin(), entries.end()});
  frmHTML().List1().SetItems({titles.begin(), titles.end()});
  SetFilesHorizontalExtent();
  return true;
}

void Form1::ClearHtmlList() { frmHTML().List1().Clear(); }

// A file that cannot be read still gets its line, ending in "*".
void Form1::AddHtmlTitle(const std::string& fullPath, std::deque<std::string>& titles) {
  std::unique_ptr<InputFile> file = fs_.OpenForReading(fullPath);
  titles.push_front(file ? ReadPageTitle(*file) : "*");
}

void Form1::SetFilesHorizontalExtent() {
  files_->SetHorizontalExtent(HorizontalExtent(files_->Items()));
}

void Form1::mnuFilters_Click() {
  const std::string answer =
      ws_.InputBox("Please enter one or more filters (i.e. *.bmp)", "File Filters", File1Pattern);
  if (answer.empty()) return;
  File1Pattern = answer;
  Refresh_All();
}

FrmHtml& Form1::frmHTML() {
  if (!frmHTML_ || frmHTML_->unloaded()) {
    frmHTML_ = std::make_unique<FrmHtml>(ws_, *this);
    ApplyTopMost();
  }
  return *frmHTML_;
}

void Form1::HideHtmlList() {
  if (frmHTML_ && !frmHTML_->unloaded()) frmHTML_->window().Hide();
}

}  // namespace vantiro
