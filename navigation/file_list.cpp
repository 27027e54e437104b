// The file list: the files of the folder last opened that match the filter,
// HTML files first with their titles, line i for entry i.
#include <deque>

#include "navigation/file_filter.h"
#include "navigation/folder_chain.h"
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

// A file that cannot be read still gets its line, ending in "*".
std::string TitleOf(const FileSystem& fs, const std::string& path) {
  std::unique_ptr<InputFile> file = fs.OpenForReading(path);
  return file ? ReadPageTitle(*file) : "*";
}

}  // namespace

// Names of four characters or fewer are left out. HTML files go to the top
// as they come, so the list is built first and kept once: inserting at the
// top one by one would be quadratic.
FileList ListFiles(const FileSystem& fs, const std::string& path, std::vector<std::string> names,
                   const std::string& filter) {
  FileList files;
  const FileFilter matcher(filter);
  std::erase_if(names, [&](const std::string& name) { return !matcher.Matches(name); });
  if (names.empty()) return files;
  SortByName(names);
  files.tag = path;
  std::deque<std::string> entries, titles;
  std::vector<std::string> others;
  for (const std::string& name : names) {
    if (name.size() <= 4) continue;
    switch (KindOf(name)) {
      case EntryKind::Html:
        titles.push_front(TitleOf(fs, path + name));
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
  files.entries.assign(entries.begin(), entries.end());
  files.titles.assign(titles.begin(), titles.end());
  return files;
}

// The files come from the pass that opened the folder, or else from a pass
// of their own.
bool FolderChain::Update_Files(const std::string& path) {
  ClearFiles();
  if (read_.path != path || !read_.readable) read_ = ListFolder(fs_, path, filter_);
  const bool readable = read_.readable;
  if (readable) {
    if (!read_.files.tag.empty()) files_.tag = read_.files.tag;
    files_.entries = std::move(read_.files.entries);
    files_.titles = std::move(read_.files.titles);
  }
  read_ = {};
  return readable;
}

void FolderChain::ClearFiles() {
  files_.entries.clear();
  files_.titles.clear();
  files_.selected = -1;
}

}  // namespace vantiro
