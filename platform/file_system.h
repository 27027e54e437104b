// The operating system's drives, folders and files as the program sees them.
// Paths are complete Windows paths in UTF-8 ("c:\windows\"). The file calls
// take each path exactly as written, whatever its length: a name ending in a
// dot or a space is that name, and "*" is no wildcard. The shell's calls
// (RunShellFileOperation, OpenDocument, ShowOpenWith, ShowProperties) read
// a path their own way: hand them only what the shell gate passed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantiro {

// The nth of the names a file's companions take beside it, as Windows
// numbers a second copy: "<path><suffix>", then "<path> (2)<suffix>"...
inline std::string NumberedName(const std::string& path, int n, const std::string& suffix) {
  return n == 1 ? path + suffix : path + " (" + std::to_string(n) + ")" + suffix;
}

// Drop effects of a shell drag.
inline constexpr int kDropNone = 0;
inline constexpr int kDropCopy = 1;
inline constexpr int kDropMove = 2;

// A request to the shell's file engine, field for field as the shell takes
// it; the adapter ends each path with a NUL and the list with another.
struct ShellFileOperation {
  std::uintptr_t owner = 0;  // Window::SystemHandle of the window that owns the shell's dialogs
  unsigned func = 0;         // FO_COPY 2, FO_DELETE 3
  std::vector<std::string> from;
  std::string to;
  unsigned flags = 0;  // FOF_ values
  // Every question the shell asks is answered No: what it offers to do
  // instead (delete for good what the Recycle Bin cannot take) is not done.
  bool declineQuestions = false;
};

// Files on the system clipboard, and the effect their "Preferred
// DropEffect" asks of a paste: kDropMove for files cut, else kDropCopy.
struct ClipboardFiles {
  std::vector<std::string> paths;
  int effect = kDropCopy;
  friend bool operator==(const ClipboardFiles&, const ClipboardFiles&) = default;
};

struct ShellFileResult {
  int code = 0;          // 0 when the shell carried it out
  bool aborted = false;  // the user declined a step (fAnyOperationsAborted)
};

// What a path names: a file or a folder, and whether it is a link (a
// symbolic link, a junction or another reparse point) rather than the thing.
struct ItemInfo {
  bool folder = false;
  bool link = false;
};

// A file's size and the local time it last changed.
struct FileFacts {
  std::uint64_t size = 0;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

struct FolderEntry {
  std::string name;
  ItemInfo info;
};

// A watch on a folder; it ends when destroyed. It follows the folder it
// began on, even renamed away.
class FolderWatch {
 public:
  virtual ~FolderWatch() = default;
  // Whether its path now names another folder, or none: the folder watched
  // was renamed away or removed, and perhaps another made in its place.
  virtual bool Replaced() const = 0;
};

// A file open for reading; closed when destroyed.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Reads up to size bytes: the count read, 0 at the end, -1 on an error.
  virtual std::ptrdiff_t Read(char* buffer, std::size_t size) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The process's current directory, as the system spells it.
  virtual std::string CurrentDirectory() const = 0;

  // One display text per drive, in drive order: the lower-case letter and a
  // colon, then " [label]" when the volume has a label ("c:", "d: [DATA]").
  virtual std::vector<std::string> Drives() const = 0;

  // Hands every entry of a folder (path ends in "\") to take, in no
  // particular order, until take returns false; false when the folder
  // cannot be read. Safe on any thread.
  virtual bool ReadEntries(const std::string& path,
                           const std::function<bool(FolderEntry&&)>& take) const = 0;
  // Every entry of a folder; nullopt when it cannot be read.
  std::optional<std::vector<FolderEntry>> Entries(const std::string& path) const {
    std::vector<FolderEntry> entries;
    if (!ReadEntries(path, [&](FolderEntry&& entry) {
          entries.push_back(std::move(entry));
          return true;
        })) {
      return std::nullopt;
    }
    return entries;
  }

  // Watches a folder (path ends in "\") for entries made, renamed or
  // removed in it: changed runs soon after on the window's thread, from its
  // loop, never while the watch is being destroyed. nullptr when the folder
  // cannot be watched.
  virtual std::unique_ptr<FolderWatch> Watch(const std::string& path,
                                             std::function<void()> changed) const = 0;

  // What is at a path; nullopt when nothing is. A folder is named without
  // its closing "\", or a link to one reads as the folder it leads to.
  virtual std::optional<ItemInfo> Examine(const std::string& path) const = 0;

  // Copies a file to a new path through a temporary file beside it, so that
  // the copy is there whole or not at all, even while another program
  // copies to the same place. A file at the new path is replaced only when
  // told. False when it cannot.
  virtual bool CopyWhole(const std::string& from, const std::string& to, bool replace) = 0;

  // A file's size and last change; nullopt when nothing can tell them.
  virtual std::optional<FileFacts> Facts(const std::string& path) const = 0;

  // Opens a file to read it; nullptr when it cannot be opened.
  virtual std::unique_ptr<InputFile> OpenForReading(const std::string& path) const = 0;
  // Text in a character set named as the web names it ("shift_jis",
  // "windows-1256"), in UTF-8; nullopt for a set the system does not know.
  // Safe on any thread.
  virtual std::optional<std::string> DecodeText(std::string_view bytes,
                                                const std::string& charset) const = 0;

  // Writes a whole file: the new contents go to a temporary file made anew
  // beside it (never one found there, nor one a link leads to), which
  // replaces the old file, or a link in its place, only once complete. False
  // when it cannot be written; the old file is then left as it was.
  virtual bool SaveFile(const std::string& path, const std::string& contents) = 0;

  // Makes a folder (path without its closing "\"); false when it cannot, or
  // when something of that name is there already.
  virtual bool MakeFolder(const std::string& path) = 0;

  // Deletes a file; false when it cannot be deleted (a missing file too).
  virtual bool RemoveFile(const std::string& path) = 0;

  // Starts a program by its command line in a normal window with the focus,
  // in the current directory; false when it cannot be started.
  virtual bool StartProgram(const std::string& commandLine) = 0;

  // Opens a file as the shell's default verb does: with the program its type
  // is associated with, or runs it when it is a program. No command
  // interpreter reads the name. False when the shell could not.
  virtual bool OpenDocument(const std::string& path) = 0;

  // Renames or moves a file; false when it cannot (a file of that name is
  // there already, say).
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;

  // The shell's Open With dialog for a file, owned by a window; false when
  // the shell has none.
  virtual bool ShowOpenWith(const std::string& path, std::uintptr_t owner) = 0;

  // The programs registered to open files of this file's type, the default
  // one first, then the other applications the system knows; full paths.
  virtual std::vector<std::string> ProgramsFor(const std::string& path) const = 0;

  // The shell's Properties sheet of a file or folder, owned by a window; the
  // shell shows no error of its own when it has none.
  virtual void ShowProperties(const std::string& path, std::uintptr_t owner) = 0;
  // One Properties sheet for files of one folder; false when the shell
  // shows none for several.
  virtual bool ShowSharedProperties(const std::vector<std::string>& paths,
                                    std::uintptr_t owner) = 0;
  // A shell drag of files of one folder, from where the mouse was pressed
  // until it is let go: a copy, or a move with Shift, wherever the window
  // under it takes them. The effect done: kDropNone, kDropCopy or kDropMove.
  virtual int DragFiles(const std::vector<std::string>& paths, std::uintptr_t owner) = 0;

  // The system clipboard, on the window's thread, as Explorer uses it:
  // files of one folder go on it as the shell's data object for them
  // (CF_HDROP, the shell's ID list) with "Preferred DropEffect" effect, and
  // stay when the program ends. False when the clipboard cannot take them.
  virtual bool PutFilesOnClipboard(const std::vector<std::string>& paths, int effect,
                                   std::uintptr_t owner) = 0;
  // The files it holds, whoever put them there; nullopt when it holds none.
  virtual std::optional<ClipboardFiles> FilesOnClipboard() const = 0;
  // Files cut, pasted and moved: while the clipboard still holds them,
  // whoever cut them is told ("Performed DropEffect", "Paste Succeeded"
  // move) and the clipboard emptied, as after a paste in Explorer.
  virtual void TellPastedMove(const std::vector<std::string>& paths, std::uintptr_t owner) = 0;
  // Text on the clipboard, in place of whatever it held; false when it
  // cannot take it.
  virtual bool PutTextOnClipboard(const std::string& text, std::uintptr_t owner) = 0;

  // Hands a file operation to the shell, which shows its own confirmations,
  // progress and errors.
  virtual ShellFileResult RunShellFileOperation(const ShellFileOperation& operation) = 0;
};

}  // namespace vantiro
