// The chain of open folders, as data. Box 0 lists the drives, an empty
// separator and the favourites; box k lists the sub-folders of the folder
// opened from box k-1; each box remembers its selected entry. The file list
// holds the files of the folder opened last. The chain reads the disk
// through FileSystem and knows no window: each step answers what happened,
// and the window draws it.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chain/file_selection.h"
#include "platform/control.h"
#include "platform/file_system.h"
#include "platform/window.h"

namespace vantiro {

// How wide the window draws each of some texts; safe on any thread.
// What measures names away from the window's thread; none measures nothing.
using MeasureTexts = std::shared_ptr<const TextMeasure>;

// Entries are names as the disk gave them; a row shows each as FolderRow
// (box 1 on) or FileRow makes it.
struct FolderBox {
  std::string tag;  // the folder listed, ending in "\"; empty for box 0
  std::vector<std::string> entries;
  int selected = -1;
  Twips widest = 0;  // the widest entry, once the whole folder is read
};

// The files that match the filter, HTML files first; line i of titles is
// the page title of entry i for every HTML file, once the titles are read.
struct FileList {
  std::vector<std::string> entries, titles;
  FileSelection selection;
  std::string tag;  // the folder last listed with any file
  Twips widest = 0;
};

// A folder as one read of it shows it: its sub-folders, sorted, and its
// files as the file list shows them under the filter.
struct FolderListing {
  std::string path;
  bool readable = false;
  std::vector<std::string> folders;
  FileList files;
  Twips foldersWidest = 0;
};

// The names one read of a folder found as it found them: its sub-folders
// apart from its files.
struct ReadNames {
  std::vector<std::string> folders, files;
  void Add(FolderEntry&& entry);
};

// Arranges the names of one read of a folder, on any thread; measure, when
// given, finds the widest names. The page titles are left to ReadTitles.
FolderListing Arrange(const std::string& path, ReadNames names, const std::string& filter,
                      const MeasureTexts& measure = {});
// The files of a folder as the file list shows them: those that match the
// filter, HTML files first.
FileList ListFiles(const std::string& path, std::vector<std::string> names,
                   const std::string& filter);
// How many entries of a file list, from the first, are HTML files.
std::size_t PageCount(const std::vector<std::string>& entries);
// The titles of those HTML files, read one by one until stopped says so;
// read, when given, hears of the titles so far after each.
using TitlesRead = std::function<void(const std::vector<std::string>& titles)>;
std::optional<std::vector<std::string>> ReadTitles(const FileSystem& fs, const std::string& path,
                                                   const std::vector<std::string>& entries,
                                                   const std::function<bool()>& stopped,
                                                   const TitlesRead& read = {});

// What taking in a listing changed in the chain.
struct ChainChange {
  std::vector<int> boxes;  // boxes whose entries were replaced
  bool files = false;      // the file list was replaced
  bool length = false;     // a box came or went at the end of the chain
  int lost = -1;           // the box whose selected folder can no longer be read
  std::string lostPath;    // and that folder
};

class FolderChain {
 public:
  explicit FolderChain(const FileSystem& fs, MeasureTexts measure = {})
      : fs_(fs), measure_(std::move(measure)) {}
  const MeasureTexts& Measure() const { return measure_; }

  // The boxes in use: box 0 to LastBox.
  const std::vector<FolderBox>& boxes() const { return boxes_; }
  const FolderBox& box(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }
  int LastBox() const { return static_cast<int>(boxes_.size()) - 1; }
  // The folder last opened, ending in "\"; empty until one is.
  const std::string& CurrentFolder() const { return currentFolder_; }
  // The box whose selected entry is the current folder.
  int OpenerOfCurrent() const;
  const FileList& files() const { return files_; }
  // The current folder followed by the file last clicked, when it is
  // selected; nullopt otherwise.
  std::optional<std::string> SelectedFilePath() const;
  // The paths of every file selected, first to last.
  std::vector<std::string> SelectedFilePaths() const;

  // Box 0 alone, its drives read again; the favourites stay.
  void LoadDir0();
  int DriveCount() const { return driveCount_; }
  std::span<const std::string> Favorites() const;
  void SetFavorites(std::vector<std::string> favorites);
  void AddFavorite(const std::string& folder);
  // False for an entry of box 0 that is no favourite.
  bool RemoveFavorite(int entry);

  void Select(int box, int entry);
  // A click on a file, with kShiftKey and kCtrlKey as held.
  void ClickFile(int entry, int keys) {
    files_.selection.Click(entry, keys, static_cast<int>(files_.entries.size()));
  }
  void SelectAllFiles() { files_.selection.All(static_cast<int>(files_.entries.size())); }
  // The name of what the selected entry of a box opens: a drive's letter
  // and colon, without the label ("c: [SYSTEM]" is "c:").
  std::string EntryOf(int box) const;
  // The folder it names: the box's tag, the entry and a closing "\".
  std::string PathOf(int box) const;

  void ClearFiles();
  const std::string& Filter() const { return filter_; }
  void SetFilter(std::string filter) { filter_ = std::move(filter); }

  // Opening in steps, while the folder is read elsewhere. BeginOpen makes
  // the folder of box index's selection current: the chain ends at that
  // box and the file list is empty.
  void BeginOpen(int index);
  // Names read so far of the current folder show as they come, unsorted:
  // its sub-folders in a box after the last, its files that match the
  // filter in the file list.
  ChainChange AddRead(const std::string& path, const ReadNames& read);
  // A whole listing of a folder replaces what the chain shows of it, in
  // the box that lists its sub-folders and, when it is the current folder,
  // in the file list; each selection stays on its name.
  ChainChange Apply(FolderListing listing);
  // The titles read for the file list of a folder, all or the first of
  // them (a list never shrinks to fewer of them); false when the list
  // shows another folder, or other pages, by now.
  bool SetTitles(const std::string& path, std::vector<std::string> titles);
  // The chain ends at box index, nothing selected there: its folder is
  // current, with no files until they are read.
  void CloseTo(int index);
  // Every folder the chain shows: each box's, and the one the last box's
  // selection opened.
  std::vector<std::string> ShownFolders() const;
  // A folder renamed (both paths end in "\"): the chain's folders in or
  // under it follow it, so do the favourites, and the box that lists it
  // shows the new name where the old one stood.
  void FollowRename(const std::string& from, const std::string& to);

 private:
  // Box index lists the folders read in its folder now.
  ChainChange Update_Dir(int index, std::vector<std::string> folders);
  // The file list shows the current folder's files as read now.
  void Update_Files(FileList files);

  const FileSystem& fs_;
  MeasureTexts measure_;
  std::vector<FolderBox> boxes_ = {FolderBox{}};
  int driveCount_ = 0;
  std::string currentFolder_;
  FileList files_;
  std::string filter_ = "*.*";
};

}  // namespace vantiro
