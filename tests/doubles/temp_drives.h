// Drives mapped onto temporary folders, so that the program enumerates and
// reads real files. Windows paths are resolved case-insensitively, as on
// Windows.
#pragma once

#include <iconv.h>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

#include <sys/stat.h>

#include "platform/file_system.h"

namespace vantiro::fake {

class TempDrives : public FileSystem {
 public:
  TempDrives() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vantiro-drives-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    root_ = pattern;
  }
  ~TempDrives() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TempDrives(const TempDrives&) = delete;
  TempDrives& operator=(const TempDrives&) = delete;

  // A drive on a new empty folder; the label shows in its display text.
  void AddDrive(char letter, std::string label = {}) {
    drives_[Lower(letter)] = std::move(label);
    std::filesystem::create_directories(root_ / std::string(1, Lower(letter)));
  }
  // A drive that is listed but cannot be read, like an empty floppy drive.
  void AddNotReadyDrive(char letter) { drives_[Lower(letter)] = std::nullopt; }
  // Creates the folders of a Windows path ("c:\windows\system").
  void MakeFolders(const std::string& windowsPath) {
    std::filesystem::create_directories(HostPath(windowsPath));
  }
  // Creates a file, and the folders above it.
  void MakeFile(const std::string& windowsPath, std::string_view contents = {}) {
    std::filesystem::create_directories(HostPath(windowsPath).parent_path());
    std::ofstream(HostPath(windowsPath), std::ios::binary) << contents;
  }
  // Where a Windows path lies on the host; empty when its drive is unknown.
  // Each name matches an entry that differs only in case.
  std::filesystem::path HostPath(const std::string& windowsPath) const {
    if (windowsPath.size() < 2 || windowsPath[1] != ':' || !drives_.contains(Lower(windowsPath[0])))
      return {};
    std::filesystem::path host = root_ / std::string(1, Lower(windowsPath[0]));
    for (std::size_t start = 2, stop; start < windowsPath.size(); start = stop + 1) {
      stop = std::min(windowsPath.find('\\', start), windowsPath.size());
      const std::string name = windowsPath.substr(start, stop - start);
      std::error_code error;
      if (name.empty()) continue;
      if (std::filesystem::exists(host / name, error)) {
        host /= name;
        continue;
      }
      auto entries = std::filesystem::directory_iterator(host, error);
      const auto same = std::find_if(begin(entries), end(entries), [&](const auto& entry) {
        return SameName(entry.path().filename().string(), name);
      });
      host = same != end(entries) ? same->path() : host / name;
    }
    return host;
  }

  std::string CurrentDirectory() const override { return "c:\\vantiro"; }
  std::vector<std::string> Drives() const override {
    std::vector<std::string> drives;
    for (const auto& [letter, label] : drives_) {
      drives.push_back(std::string{letter, ':'} +
                       (label && !label->empty() ? " [" + *label + "]" : ""));
    }
    return drives;
  }
  bool ReadEntries(const std::string& path,
                   const std::function<bool(FolderEntry&&)>& take) const override {
    ++reads;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(HostPath(path), error)) {
      std::this_thread::sleep_for(readDelay);
      if (!take({entry.path().filename().string(), {entry.is_directory(), entry.is_symlink()}}))
        break;
    }
    return !error;
  }
  // A watch is told of a change only when a test calls Changed; there is
  // none of a folder on no drive, nor of one unwatchable.
  std::unique_ptr<FolderWatch> Watch(const std::string& path,
                                     std::function<void()> changed) const override {
    if (HostPath(path).empty() || unwatchable.contains(path)) return nullptr;
    return std::make_unique<Watcher>(*this, path, std::move(changed));
  }
  std::set<std::string> unwatchable;
  // Tells the watches of a folder that it changed; how many there were.
  int Changed(const std::string& folder) const {
    int told = 0;
    for (const Watcher* watcher : watchers_) {
      if (SameName(watcher->path, folder)) ++told, watcher->changed();
    }
    return told;
  }
  std::vector<std::string> Watched() const {
    std::vector<std::string> paths;
    for (const Watcher* watcher : watchers_) paths.push_back(watcher->path);
    std::ranges::sort(paths);
    return paths;
  }
  std::optional<ItemInfo> Examine(const std::string& path) const override {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(HostPath(path), error);
    if (!std::filesystem::exists(status)) return std::nullopt;
    return ItemInfo{std::filesystem::is_directory(HostPath(path), error), is_symlink(status)};
  }
  // The time in UTC, as the host has no time zone of the test's.
  std::optional<FileFacts> Facts(const std::string& path) const override {
    struct stat status {};
    std::tm time{};
    if (stat(HostPath(path).c_str(), &status) != 0 || !gmtime_r(&status.st_mtime, &time))
      return std::nullopt;
    return FileFacts{static_cast<std::uint64_t>(status.st_size),
                     time.tm_year + 1900,
                     time.tm_mon + 1,
                     time.tm_mday,
                     time.tm_hour,
                     time.tm_min};
  }
  bool CopyWhole(const std::string& from, const std::string& to, bool replace) override {
    using enum std::filesystem::copy_options;
    std::error_code error;
    return copy_file(HostPath(from), HostPath(to), replace ? overwrite_existing : none, error);
  }
  // Through glibc's iconv, which knows the web's names.
  std::optional<std::string> DecodeText(std::string_view bytes,
                                        const std::string& charset) const override {
    const iconv_t converter = iconv_open("UTF-8", charset.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string in(bytes), out(bytes.size() * 4 + 4, '\0');
    char *from = in.data(), *to = out.data();
    std::size_t fromLeft = in.size(), toLeft = out.size();
    const bool whole =
        iconv(converter, &from, &fromLeft, &to, &toLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!whole) return std::nullopt;
    out.resize(out.size() - toLeft);
    return out;
  }
  std::unique_ptr<InputFile> OpenForReading(const std::string& path) const override {
    const std::filesystem::path host = HostPath(path);
    std::error_code error;
    if (host.empty() || !std::filesystem::is_regular_file(host, error)) return nullptr;
    auto file = std::make_unique<HostFile>(host, bytesRead);
    return file->stream.is_open() ? std::move(file) : nullptr;
  }
  // Moves, copies or deletes as the shell does; a target that exists stands
  // for the user declining to replace it, and the shell stops at a file held
  // by another program. While binRefuses, a delete is one the Recycle Bin
  // could not take: with its questions declined, nothing goes.
  ShellFileResult RunShellFileOperation(const ShellFileOperation& operation) override {
    constexpr int kMissingSource = 1026, kSharingViolation = 32;
    constexpr unsigned kFoMove = 1, kFoDelete = 3;
    shellOperations.push_back(operation);
    if (operation.func == kFoDelete && binRefuses && operation.declineQuestions) return {0, true};
    std::error_code error;
    for (const std::string& each : operation.from) {
      const std::filesystem::path from = HostPath(each);
      const std::filesystem::path to = HostPath(operation.to) / from.filename();
      if (held.contains(each)) {
        return {kSharingViolation, false};
      } else if (operation.func == kFoDelete && !from.empty()) {
        if (std::filesystem::remove_all(from, error) == 0) return {kMissingSource, false};
      } else if (from.empty() || !std::filesystem::is_regular_file(from, error)) {
        return {kMissingSource, false};
      } else if (std::filesystem::exists(to, error)) {
        return {0, true};
      } else if (operation.func == kFoMove) {
        std::filesystem::rename(from, to, error);
        if (error) return {1, false};
      } else if (!std::filesystem::copy_file(from, to, error)) {
        return {1, false};
      }
    }
    return {};
  }

  // Fails while saveFails is set, leaving the old file as it was; a link
  // in the file's place is replaced, as the system's rename does.
  bool SaveFile(const std::string& path, const std::string& contents) override {
    const std::filesystem::path host = HostPath(path);
    if (saveFails || host.empty()) return false;
    ++saves;
    std::filesystem::path made = host;
    made += ".saving";
    std::error_code error;
    if (!(std::ofstream(made, std::ios::binary | std::ios::trunc) << contents)) return false;
    std::filesystem::rename(made, host, error);
    return !error;
  }
  bool MakeFolder(const std::string& path) override {
    std::error_code error;
    const std::filesystem::path host = HostPath(path);
    return !host.empty() && std::filesystem::create_directory(host, error);
  }
  bool RemoveFile(const std::string& path) override {
    std::error_code error;
    const std::filesystem::path host = HostPath(path);
    return !host.empty() && std::filesystem::is_regular_file(host, error) &&
           std::filesystem::remove(host, error);
  }
  int saves = 0;                                    // files written
  mutable std::atomic<int> reads = 0;               // folders read
  mutable std::atomic<std::uint64_t> bytesRead{0};  // of every file opened for reading
  // Each entry read waits so long: a big folder then takes some batches' time.
  std::chrono::milliseconds readDelay{0};
  bool OpenDocument(const std::string& path) override {
    openedDocuments.push_back(path);
    return true;
  }
  // Fails when the target is there already, as the system's rename does.
  bool RenameFile(const std::string& from, const std::string& to) override {
    std::error_code error;
    const std::filesystem::path source = HostPath(from), target = HostPath(to);
    if (source.empty() || target.empty() || std::filesystem::exists(target, error)) return false;
    std::filesystem::rename(source, target, error);
    return !error;
  }
  bool ShowOpenWith(const std::string& path, std::uintptr_t) override {
    openedDocuments.push_back("with " + path);
    return true;
  }
  std::vector<std::string> ProgramsFor(const std::string&) const override { return programs; }
  std::vector<std::string> programs;  // registered for every type
  void ShowProperties(const std::string& path, std::uintptr_t) override {
    openedDocuments.push_back("properties of " + path);
  }
  bool ShowSharedProperties(const std::vector<std::string>& paths, std::uintptr_t) override {
    openedDocuments.push_back("properties of " + std::to_string(paths.size()));
    return true;
  }
  // Dropped as the user chose: dragEffect.
  int DragFiles(const std::vector<std::string>& paths, std::uintptr_t) override {
    dragged = paths;
    return dragEffect;
  }
  std::vector<std::string> dragged;
  int dragEffect = kDropNone;
  // One clipboard: files, or text; while clipboardRefuses, it takes none.
  bool PutFilesOnClipboard(const std::vector<std::string>& paths, int effect,
                           std::uintptr_t) override {
    if (!clipboardRefuses) clipboard = {ClipboardFiles{paths, effect}, ""};
    return !clipboardRefuses;
  }
  std::optional<ClipboardFiles> FilesOnClipboard() const override { return clipboard.first; }
  void TellPastedMove(const std::vector<std::string>& paths, std::uintptr_t) override {
    if (clipboard.first && clipboard.first->paths == paths) clipboard = {std::nullopt, "moved"};
  }
  bool PutTextOnClipboard(const std::string& text, std::uintptr_t) override {
    if (!clipboardRefuses) clipboard = {std::nullopt, text};
    return !clipboardRefuses;
  }
  std::pair<std::optional<ClipboardFiles>, std::string> clipboard;  // "moved" once told
  bool clipboardRefuses = false;
  // Records the command line; fails while startFails is set.
  bool StartProgram(const std::string& commandLine) override {
    startedPrograms.push_back(commandLine);
    return !startFails;
  }

  // A file's contents; empty when it is missing.
  std::string Contents(const std::string& windowsPath) const {
    std::ostringstream contents;
    contents << std::ifstream(HostPath(windowsPath), std::ios::binary).rdbuf();
    return contents.str();
  }

  std::vector<ShellFileOperation> shellOperations;
  std::vector<std::string> startedPrograms;
  std::vector<std::string> openedDocuments;
  bool saveFails = false;
  bool startFails = false;
  bool binRefuses = false;
  std::set<std::string> held;  // files another program holds open: the shell stops there

 private:
  // Which folder a path names now: its host's inode.
  std::optional<ino_t> Identity(const std::string& path) const {
    struct stat status {};
    if (stat(HostPath(path).c_str(), &status) != 0) return std::nullopt;
    return status.st_ino;
  }
  struct Watcher final : FolderWatch {
    Watcher(const TempDrives& drives, std::string path, std::function<void()> changed)
        : drives(drives),
          path(std::move(path)),
          changed(std::move(changed)),
          identity(drives.Identity(this->path)) {
      drives.watchers_.push_back(this);
    }
    ~Watcher() override { std::erase(drives.watchers_, this); }
    bool Replaced() const override { return identity != drives.Identity(path); }
    const TempDrives& drives;
    std::string path;
    std::function<void()> changed;
    std::optional<ino_t> identity;
  };
  struct HostFile final : InputFile {
    HostFile(const std::filesystem::path& path, std::atomic<std::uint64_t>& counted)
        : stream(path, std::ios::binary), counted(counted) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
      stream.read(buffer, static_cast<std::streamsize>(size));
      counted += static_cast<std::uint64_t>(stream.gcount());
      return stream.bad() ? -1 : static_cast<std::ptrdiff_t>(stream.gcount());
    }
    std::ifstream stream;
    std::atomic<std::uint64_t>& counted;
  };

  static char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  static bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Lower(x) == Lower(y); });
  }
  std::filesystem::path root_;
  mutable std::vector<Watcher*> watchers_;
  std::map<char, std::optional<std::string>> drives_;  // the label, nullopt: not ready
};

}  // namespace vantiro::fake
