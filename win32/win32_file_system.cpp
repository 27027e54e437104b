#include "win32/win32_file_system.h"

#include <windows.h>

#include <winnetwk.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>

#include "win32/handles.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace vantiro::win32 {
namespace {

// An empty floppy or card reader fails quietly instead of asking the user.
class QuietErrors {
 public:
  QuietErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~QuietErrors() { SetThreadErrorMode(previous_, nullptr); }
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

class Win32InputFile final : public InputFile {
 public:
  explicit Win32InputFile(HANDLE file) : file_(file) {}

  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
    if (!ReadFile(file_.get(), buffer, wanted, &read, nullptr)) return -1;
    return static_cast<std::ptrdiff_t>(read);
  }

 private:
  UniqueFile file_;
};

bool IsDots(std::wstring_view name) { return name == L"." || name == L".."; }

ItemInfo InfoOf(DWORD attributes) {
  return {(attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
          (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0};
}

// Calls onEntry for every entry of the folder until it returns false; false
// when the folder cannot be read.
bool Enumerate(const std::string& path,
               const std::function<bool(const WIN32_FIND_DATAW&)>& onEntry) {
  const QuietErrors quiet;
  WIN32_FIND_DATAW data{};
  HANDLE found = FindFirstFileExW(FilePath(path + "*").c_str(), FindExInfoBasic, &data,
                                  FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (found == INVALID_HANDLE_VALUE) {
    // A drive's root has no "." entry: an empty one finds nothing at all,
    // while a missing folder says "path not found".
    return GetLastError() == ERROR_FILE_NOT_FOUND;
  }
  const UniqueFind closer(found);
  while (onEntry(data) && FindNextFileW(found, &data)) {
  }
  return true;
}

// A network drive's label is the share it leads to, as this machine keeps
// it: asking the server would hold the window while the server is away.
std::wstring DriveLabel(const std::wstring& root) {
  wchar_t label[MAX_PATH + 1] = {};
  if (GetDriveTypeW(root.c_str()) == DRIVE_REMOTE) {
    static const auto connection =
        SystemFunction<decltype(WNetGetConnectionW)>(L"mpr.dll", "WNetGetConnectionW");
    DWORD size = MAX_PATH + 1;
    const std::wstring drive = root.substr(0, 2);
    return connection && connection(drive.c_str(), label, &size) == NO_ERROR ? label : L"";
  }
  return GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                               nullptr, 0)
             ? label
             : L"";
}

// So many companions of one file in the way are a sign that something else
// is wrong.
constexpr int kMostCompanions = 99;

// Makes a file beside path under the first of its numbered names (suffix
// ".new": "Config.new", "Config (2).new"...) that nothing holds: make
// creates it only where no file, folder or link stands. The name it made.
std::optional<std::wstring> MakeBeside(const std::string& path, const std::string& suffix,
                                       const std::function<bool(const std::wstring&)>& make) {
  for (int n = 1; n <= kMostCompanions; ++n) {
    const std::wstring name = FilePath(NumberedName(path, n, suffix));
    if (make(name)) return name;
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return std::nullopt;
}

// Moves a finished file of the program's over the target; when it cannot,
// the file goes.
bool MoveIntoPlace(const std::wstring& made, const std::wstring& target, bool replace) {
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
  // Wine replaces in two steps: another copy's rename can come between them.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (MoveFileExW(made.c_str(), target.c_str(), flags)) return true;
    if (!replace || GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  SetFileAttributesW(made.c_str(), FILE_ATTRIBUTE_NORMAL);  // a read-only source's copy is too
  DeleteFileW(made.c_str());
  return false;
}

}  // namespace

std::string Win32FileSystem::CurrentDirectory() const {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
  directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
  return Utf8(directory);
}

std::vector<std::string> Win32FileSystem::Drives() const {
  const QuietErrors quiet;
  std::vector<std::string> drives;
  const DWORD present = GetLogicalDrives();
  for (int letter = 0; letter < 26; ++letter) {
    if ((present & (1u << letter)) == 0) continue;
    std::string text{static_cast<char>('a' + letter), ':'};
    const std::wstring label = DriveLabel({static_cast<wchar_t>(L'A' + letter), L':', L'\\'});
    if (!label.empty()) text += " [" + Utf8(label) + "]";
    drives.push_back(std::move(text));
  }
  return drives;
}

bool Win32FileSystem::ReadEntries(const std::string& path,
                                  const std::function<bool(FolderEntry&&)>& take) const {
  return Enumerate(path, [&](const WIN32_FIND_DATAW& entry) {
    return IsDots(entry.cFileName) || take({Utf8(entry.cFileName), InfoOf(entry.dwFileAttributes)});
  });
}

std::optional<ItemInfo> Win32FileSystem::Examine(const std::string& path) const {
  const QuietErrors quiet;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(FilePath(path).c_str(), GetFileExInfoStandard, &data))
    return std::nullopt;
  return InfoOf(data.dwFileAttributes);
}

std::optional<FileFacts> Win32FileSystem::Facts(const std::string& path) const {
  const QuietErrors quiet;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  FILETIME local{};
  SYSTEMTIME time{};
  if (!GetFileAttributesExW(FilePath(path).c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
      !FileTimeToSystemTime(&local, &time))
    return std::nullopt;
  return FileFacts{std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow,
                   time.wYear,
                   time.wMonth,
                   time.wDay,
                   time.wHour,
                   time.wMinute};
}

// The copy is made under a name of its own beside the target and renamed
// into place: a reader, or another window copying the same file, never
// finds the target half written.
bool Win32FileSystem::CopyWhole(const std::string& from, const std::string& to, bool replace) {
  const QuietErrors quiet;
  const std::wstring source = FilePath(from);
  const std::optional<std::wstring> part = MakeBeside(to, ".part", [&](const std::wstring& name) {
    return CopyFileW(source.c_str(), name.c_str(), TRUE) != FALSE;
  });
  return part && MoveIntoPlace(*part, FilePath(to), replace);
}

// Others may go on writing the file; the program only reads it.
std::unique_ptr<InputFile> Win32FileSystem::OpenForReading(const std::string& path) const {
  const QuietErrors quiet;
  HANDLE file =
      CreateFileW(FilePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32InputFile>(file);
}

// A failure on the way leaves the old file whole.
bool Win32FileSystem::SaveFile(const std::string& path, const std::string& contents) {
  const QuietErrors quiet;
  if (contents.size() > MAXDWORD) return false;
  UniqueFile file;
  const std::optional<std::wstring> made = MakeBeside(path, ".new", [&](const std::wstring& name) {
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    file.reset(handle);
    return true;
  });
  if (!made) return false;
  DWORD written = 0;
  const bool complete = WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()),
                                  &written, nullptr) &&
                        written == contents.size() && FlushFileBuffers(file.get());
  file.reset();
  if (complete) return MoveIntoPlace(*made, FilePath(path), true);
  DeleteFileW(made->c_str());
  return false;
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
  const QuietErrors quiet;
  return DeleteFileW(FilePath(path).c_str()) != FALSE;
}

bool Win32FileSystem::MakeFolder(const std::string& path) {
  const QuietErrors quiet;
  return CreateDirectoryW(FilePath(path).c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
  const QuietErrors quiet;
  return MoveFileW(FilePath(from).c_str(), FilePath(to).c_str()) != FALSE;
}

}  // namespace vantiro::win32
