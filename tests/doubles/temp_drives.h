// Drives mapped onto temporary folders, so that the program enumerates and
// reads real files. Windows paths are resolved case-insensitively, as on
// Windows.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace vantiro::fake {

class TempDrives final : public FileSystem {
 public:
  TempDrives();
  ~TempDrives() override;
  TempDrives(const TempDrives&) = delete;
  TempDrives& operator=(const TempDrives&) = delete;

  // A drive on a new empty folder; the label shows in its display text.
  void AddDrive(char letter, std::string label = {});
  // A drive that is listed but cannot be read, like an empty floppy drive.
  void AddNotReadyDrive(char letter);
  // Creates the folders of a Windows path ("c:\windows\system").
  void MakeFolders(const std::string& windowsPath);
  void MakeFile(const std::string& windowsPath, std::string_view contents = {});
  void Remove(const std::string& windowsPath);
  // Where a Windows path lies on the host; empty when its drive is unknown.
  std::filesystem::path HostPath(const std::string& windowsPath) const;
  void SetCurrentDirectory(std::string directory) { currentDirectory_ = std::move(directory); }
  // Makes listing the files of a folder fail, as when it vanishes meanwhile.
  void FailFileNames(std::string path) { failingFileNames_ = std::move(path); }

  std::string CurrentDirectory() const override { return currentDirectory_; }
  std::vector<std::string> Drives() const override;
  std::optional<std::vector<std::string>> SubFolders(const std::string& path) const override;
  std::optional<std::vector<std::string>> FileNames(const std::string& path) const override;
  std::unique_ptr<InputFile> OpenForReading(const std::string& path) const override;
  // Fails while saveFails is set, leaving the old file as it was.
  bool SaveFile(const std::string& path, const std::string& contents) override;
  bool RemoveFile(const std::string& path) override;
  // Records the command line; fails while startFails is set.
  bool StartProgram(const std::string& commandLine) override;
  // Copies as the shell does; a target that exists stands for the user
  // declining to replace it.
  ShellFileResult RunShellFileOperation(const ShellFileOperation& operation) override;

  // Reads a file whole; empty when it is missing.
  std::string Contents(const std::string& windowsPath) const;

  std::vector<ShellFileOperation> shellOperations;
  std::vector<std::string> startedPrograms;
  bool saveFails = false;
  bool startFails = false;

 private:
  struct Drive {
    std::string label;
    bool ready = true;
  };

  template <typename Keep>
  std::optional<std::vector<std::string>> List(const std::string& path, Keep keep) const;

  std::filesystem::path root_;
  std::map<char, Drive> drives_;
  std::string currentDirectory_ = "c:\\vantiro";
  std::string failingFileNames_;
};

}  // namespace vantiro::fake
