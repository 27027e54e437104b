// The file list: the files of the folder last opened that match the filter,
// HTML files first with their titles, line i for entry i.
#include <algorithm>
#include <iterator>
#include <string_view>

#include "chain/file_filter.h"
#include "chain/folder_chain.h"
#include "chain/names.h"
#include "chain/page_title.h"

namespace vantiro {
namespace {

bool IsPage(std::string_view name) { return EndsIn(name, ".htm") || EndsIn(name, "html"); }

// A file that cannot be read still gets its line, ending in "*".
std::string TitleOf(const FileSystem& fs, const std::string& path) {
  std::unique_ptr<InputFile> file = fs.OpenForReading(path);
  const auto decode = [&fs](std::string_view bytes, const std::string& charset) {
    return fs.DecodeText(bytes, charset);
  };
  return file ? ReadPageTitle(*file, decode) : "*";
}

}  // namespace

std::size_t PageCount(const std::vector<std::string>& entries) {
  return static_cast<std::size_t>(std::ranges::find_if_not(entries, IsPage) - entries.begin());
}

std::optional<std::vector<std::string>> ReadTitles(const FileSystem& fs, const std::string& path,
                                                   const std::vector<std::string>& entries,
                                                   const std::function<bool()>& stopped,
                                                   const TitlesRead& read) {
  std::vector<std::string> titles;
  const std::size_t pages = PageCount(entries);
  for (std::size_t i = 0; i < pages; ++i) {
    if (stopped()) return std::nullopt;
    titles.push_back(TitleOf(fs, path + entries[i]));
    if (read) read(titles);
  }
  return titles;
}

// Names of four characters or fewer are left out; HTML files come first.
FileList ListFiles(const std::string& path, std::vector<std::string> names,
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
  names.insert(names.begin(), std::make_move_iterator(pages.begin()),
               std::make_move_iterator(pages.end()));
  files.entries = std::move(names);
  return files;
}

void FolderChain::ClearFiles() {
  files_.entries.clear();
  files_.titles.clear();
  files_.selection.Clear();
  files_.widest = 0;
}

}  // namespace vantiro
