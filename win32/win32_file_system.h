// Drives, folders and files through the wide file functions, with every
// path in the \\?\ form: taken as written, and past MAX_PATH too.
#pragma once

#include "platform/file_system.h"

namespace vantiro::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  std::string CurrentDirectory() const override;
  std::vector<std::string> Drives() const override;
  bool ReadEntries(const std::string& path,
                   const std::function<bool(FolderEntry&&)>& take) const override;
  std::unique_ptr<FolderWatch> Watch(const std::string& path,
                                     std::function<void()> changed) const override;
  std::optional<ItemInfo> Examine(const std::string& path) const override;
  std::optional<FileFacts> Facts(const std::string& path) const override;
  bool CopyWhole(const std::string& from, const std::string& to, bool replace) override;
  std::unique_ptr<InputFile> OpenForReading(const std::string& path) const override;
  std::optional<std::string> DecodeText(std::string_view bytes,
                                        const std::string& charset) const override;
  bool SaveFile(const std::string& path, const std::string& contents) override;
  bool MakeFolder(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool StartProgram(const std::string& commandLine) override;
  bool OpenDocument(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool ShowOpenWith(const std::string& path, std::uintptr_t owner) override;
  std::vector<std::string> ProgramsFor(const std::string& path) const override;
  void ShowProperties(const std::string& path, std::uintptr_t owner) override;
  bool ShowSharedProperties(const std::vector<std::string>& paths, std::uintptr_t owner) override;
  int DragFiles(const std::vector<std::string>& paths, std::uintptr_t owner) override;
  bool PutFilesOnClipboard(const std::vector<std::string>& paths, int effect,
                           std::uintptr_t owner) override;
  std::optional<ClipboardFiles> FilesOnClipboard() const override;
  void TellPastedMove(const std::vector<std::string>& paths, std::uintptr_t owner) override;
  bool PutTextOnClipboard(const std::string& text, std::uintptr_t owner) override;
  ShellFileResult RunShellFileOperation(const ShellFileOperation& operation) override;
};

}  // namespace vantiro::win32
