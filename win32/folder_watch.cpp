// A folder watched by the window's loop itself (win32/loop_waits.h), which
// sleeps in the system until a watched folder's entries change: an idle
// watch takes no CPU and no thread.
#include <windows.h>

#include "win32/handles.h"
#include "win32/loop_waits.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

using UniqueChangeHandle = UniqueHandle<HANDLE, &FindCloseChangeNotification>;

class Win32FolderWatch final : public FolderWatch {
 public:
  explicit Win32FolderWatch(HANDLE change) : change_(change) {}
  ~Win32FolderWatch() override { RemoveLoopWait(change_.get()); }
  Win32FolderWatch(const Win32FolderWatch&) = delete;
  Win32FolderWatch& operator=(const Win32FolderWatch&) = delete;

  // A change handle that fails to rearm (its folder went) ends the watch.
  bool Start(std::function<void()> changed) {
    return AddLoopWait(change_.get(), [this, changed = std::move(changed)] {
      changed();
      if (!FindNextChangeNotification(change_.get())) RemoveLoopWait(change_.get());
    });
  }

 private:
  UniqueChangeHandle change_;
};

}  // namespace

std::unique_ptr<FolderWatch> Win32FileSystem::Watch(const std::string& path,
                                                    std::function<void()> changed) const {
  constexpr DWORD kEntries = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;
  HANDLE change = FindFirstChangeNotificationW(FilePath(path).c_str(), FALSE, kEntries);
  if (change == INVALID_HANDLE_VALUE) return nullptr;
  auto watch = std::make_unique<Win32FolderWatch>(change);
  return watch->Start(std::move(changed)) ? std::move(watch) : nullptr;
}

}  // namespace vantiro::win32
