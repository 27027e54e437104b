// Every folder the program watches is served by one thread, which sleeps in
// the system until a watched folder's entries change or the watches do: an
// idle watch takes no CPU, and forty folders watched cost one thread, not
// forty (under Wine each thread holds about a megabyte). The thread runs
// only while something is watched.
#include <windows.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "win32/handles.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

using UniqueChangeHandle = UniqueHandle<HANDLE, &FindCloseChangeNotification>;

class FolderWatcher {
 public:
  static FolderWatcher& Instance() {
    static FolderWatcher watcher;
    return watcher;
  }

  // False when the thread waits on all the handles it can.
  bool Add(const void* owner, UniqueChangeHandle change, std::function<void()> changed) {
    std::lock_guard lock(mutex_);
    if (watches_.size() + 1 == MAXIMUM_WAIT_OBJECTS) return false;
    watches_.push_back({owner, std::move(change), std::move(changed)});
    if (!serving_) {
      if (thread_.joinable()) thread_.join();  // it ended when its last folder went
      serving_ = true;
      thread_ = std::thread([this] { Serve(); });
    }
    Wake();
    return true;
  }

  // Once the thread has left the owner's handle, which then closes: its
  // handler is never called again.
  void Remove(const void* owner) {
    std::unique_lock lock(mutex_);
    std::vector<Watch> removed;
    const auto gone = std::ranges::find(watches_, owner, &Watch::owner);
    if (gone != watches_.end()) {
      removed.push_back(std::move(*gone));
      watches_.erase(gone);
      Wake();
      seen_.wait(lock, [this] { return seenChanges_ == changes_; });
    }
    if (serving_ || !thread_.joinable()) return;
    lock.unlock();
    thread_.join();
  }

 private:
  struct Watch {
    const void* owner;
    UniqueChangeHandle change;
    std::function<void()> changed;
  };

  void Wake() {
    ++changes_;
    SetEvent(wake_.get());
  }

  // A change handle that fails to rearm (its folder went) ends its watch.
  void Serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
      seenChanges_ = changes_;
      serving_ = !watches_.empty();
      seen_.notify_all();
      if (!serving_) return;
      std::vector<HANDLE> handles{wake_.get()};
      for (const Watch& watch : watches_) handles.push_back(watch.change.get());
      lock.unlock();
      const DWORD woken =
          WaitForMultipleObjects(DWORD(handles.size()), handles.data(), FALSE, INFINITE);
      lock.lock();
      const std::size_t index = woken - WAIT_OBJECT_0;
      if (index == 0 || index >= handles.size()) continue;
      const auto changed = std::ranges::find_if(
          watches_, [&](const Watch& watch) { return watch.change.get() == handles[index]; });
      if (changed == watches_.end()) continue;
      changed->changed();
      if (!FindNextChangeNotification(changed->change.get())) watches_.erase(changed);
    }
  }

  std::mutex mutex_;
  std::condition_variable seen_;
  std::vector<Watch> watches_;
  UniqueFile wake_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  unsigned changes_ = 0;      // changes to the watches, and wake-ups
  unsigned seenChanges_ = 0;  // as many as the thread has taken in
  bool serving_ = false;
  std::thread thread_;
};

class Win32FolderWatch final : public FolderWatch {
 public:
  ~Win32FolderWatch() override { FolderWatcher::Instance().Remove(this); }
};

}  // namespace

std::unique_ptr<FolderWatch> Win32FileSystem::Watch(const std::string& path,
                                                    std::function<void()> changed) const {
  constexpr DWORD kEntries = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;
  HANDLE change = FindFirstChangeNotificationW(FilePath(path).c_str(), FALSE, kEntries);
  if (change == INVALID_HANDLE_VALUE) return nullptr;
  auto watch = std::make_unique<Win32FolderWatch>();
  const bool added =
      FolderWatcher::Instance().Add(watch.get(), UniqueChangeHandle(change), std::move(changed));
  return added ? std::move(watch) : nullptr;
}

}  // namespace vantiro::win32
