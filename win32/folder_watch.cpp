// A folder watched by the window's loop itself (win32/loop_waits.h), which
// sleeps in the system until a watched folder's entries change: an idle
// watch takes no CPU and no thread.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "win32/handles.h"
#include "win32/loop_waits.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

using UniqueChangeHandle = UniqueHandle<HANDLE, &FindCloseChangeNotification>;

// Which folder a path names now: its volume and its file index.
std::optional<std::pair<DWORD, ULONGLONG>> FolderIdentity(const std::wstring& path) {
  HANDLE handle = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  const UniqueFile folder(handle);
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(folder.get(), &info)) return std::nullopt;
  return std::pair(info.dwVolumeSerialNumber,
                   ULONGLONG{info.nFileIndexHigh} << 32 | info.nFileIndexLow);
}

class Win32FolderWatch final : public FolderWatch {
 public:
  Win32FolderWatch(HANDLE change, std::wstring path)
      : change_(change), path_(std::move(path)), identity_(FolderIdentity(path_)) {}
  ~Win32FolderWatch() override { RemoveLoopWait(change_.get()); }
  Win32FolderWatch(const Win32FolderWatch&) = delete;
  Win32FolderWatch& operator=(const Win32FolderWatch&) = delete;

  bool Replaced() const override { return !identity_ || FolderIdentity(path_) != identity_; }

  // A change handle that fails to rearm (its folder went) ends the watch.
  bool Start(std::function<void()> changed) {
    return AddLoopWait(change_.get(), [this, changed = std::move(changed)] {
      changed();
      if (!FindNextChangeNotification(change_.get())) RemoveLoopWait(change_.get());
    });
  }

 private:
  UniqueChangeHandle change_;
  std::wstring path_;
  std::optional<std::pair<DWORD, ULONGLONG>> identity_;
};

}  // namespace

std::unique_ptr<FolderWatch> Win32FileSystem::Watch(const std::string& path,
                                                    std::function<void()> changed) const {
  constexpr DWORD kEntries = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;
  const std::wstring folder = FilePath(path);
  HANDLE change = FindFirstChangeNotificationW(folder.c_str(), FALSE, kEntries);
  if (change == INVALID_HANDLE_VALUE) return nullptr;
  auto watch = std::make_unique<Win32FolderWatch>(change, folder);
  return watch->Start(std::move(changed)) ? std::move(watch) : nullptr;
}

}  // namespace vantiro::win32
