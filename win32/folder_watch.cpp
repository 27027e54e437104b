// A folder watched by a thread of its own, which sleeps in the system until
// the folder's entries change or the watch ends: an idle watch takes no CPU.
#include <windows.h>

#include <thread>

#include "win32/handles.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

using UniqueChangeHandle = UniqueHandle<HANDLE, &FindCloseChangeNotification>;

class Win32FolderWatch final : public FolderWatch {
 public:
  Win32FolderWatch(UniqueChangeHandle change, std::function<void()> changed)
      : change_(std::move(change)),
        stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        thread_([this, changed = std::move(changed)] { Wait(changed); }) {}
  ~Win32FolderWatch() override {
    SetEvent(stop_.get());
    thread_.join();
  }
  Win32FolderWatch(const Win32FolderWatch&) = delete;
  Win32FolderWatch& operator=(const Win32FolderWatch&) = delete;

 private:
  // A change handle that fails to rearm (its folder went) ends the watch.
  void Wait(const std::function<void()>& changed) {
    const HANDLE handles[] = {stop_.get(), change_.get()};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
      changed();
      if (!FindNextChangeNotification(change_.get())) return;
    }
  }

  UniqueChangeHandle change_;
  UniqueFile stop_;
  std::thread thread_;
};

}  // namespace

std::unique_ptr<FolderWatch> Win32FileSystem::Watch(const std::string& path,
                                                    std::function<void()> changed) const {
  constexpr DWORD kEntries = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;
  HANDLE change = FindFirstChangeNotificationW(FilePath(path).c_str(), FALSE, kEntries);
  if (change == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32FolderWatch>(UniqueChangeHandle(change), std::move(changed));
}

}  // namespace vantiro::win32
