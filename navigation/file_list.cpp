// The file list: the files of the folder last opened that match the filter,
// HTML files first with their titles, line i for entry i.
#include <algorithm>
#include <iterator>
#include <string_view>

#include "navigation/file_filter.h"
#include "navigation/folder_chain.h"
#include "navigation/names.h"
#include "navigation/page_title.h"

namespace vantiro {
namespace {

bool IsPage(std::string_view name) { return EndsIn(name, ".htm") || EndsIn(name, "html"); }

// A file that cannot be read still gets its line, ending in "*".
std::string TitleOf(const FileSystem& fs, const std::string& path) {
  std::unique_ptr<InputFile> file = fs.OpenForReading(path);
  return file ? ReadPageTitle(*file) : "*";
}

}  // namespace

// Names of four characters or fewer are left out; HTML files come first.
FileList ListFiles(const FileSystem& fs, const std::string& path, std::vector<std::string> names,
                   const std::string& filter) {
  FileList files;
  const FileFilter matcher(filter);
  std::erase_if(names, [&](const std::string& name) { return !matcher.Matches(name); });
  if (names.empty()) return files;
  SortByName(names);
  files.tag = path;
  // Sorted in place; only the HTML files move out, then back in front.
  std::vector<std::string> pages;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::string& name = names[i];
    if (name.size() <= 4) continue;
    if (IsPage(name)) {
      pages.push_back(std::move(name));
    } else {
      if (kept != i) names[kept] = std::move(name);
      ++kept;
    }
  }
  names.resize(kept);
  // The HTML files went to the top one by one as they came: the last first.
  std::ranges::reverse(pages);
  for (const std::string& page : pages) files.titles.push_back(TitleOf(fs, path + page));
  names.insert(names.begin(), std::make_move_iterator(pages.begin()),
               std::make_move_iterator(pages.end()));
  files.entries = std::move(names);
  return files;
}

// The files come from the pass that opened the folder, or else from a pass
// of their own.
bool FolderChain::Update_Files(const std::string& path) {
  ClearFiles();
  if (read_.path != path || !read_.readable) read_ = ListFolder(fs_, path, filter_, measure_);
  const bool readable = read_.readable;
  if (readable) {
    if (!read_.files.tag.empty()) files_.tag = read_.files.tag;
    files_.entries = std::move(read_.files.entries);
    files_.titles = std::move(read_.files.titles);
    files_.widest = read_.files.widest;
  }
  read_ = {};
  return readable;
}

void FolderChain::ClearFiles() {
  files_.entries.clear();
  files_.titles.clear();
  files_.selected = -1;
  files_.widest = 0;
}

}  // namespace vantiro
