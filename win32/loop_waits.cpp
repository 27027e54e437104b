#include "win32/loop_waits.h"

#include <algorithm>
#include <vector>

namespace vantiro::win32 {
namespace {

struct LoopWaits {
  std::vector<HANDLE> handles;
  std::vector<std::function<void()>> work;  // one for each handle
};

LoopWaits& Waits() {
  static LoopWaits waits;
  return waits;
}

}  // namespace

bool AddLoopWait(HANDLE handle, std::function<void()> signalled) {
  LoopWaits& waits = Waits();
  if (waits.handles.size() + 1 == MAXIMUM_WAIT_OBJECTS) return false;
  waits.handles.push_back(handle);
  waits.work.push_back(std::move(signalled));
  return true;
}

void RemoveLoopWait(HANDLE handle) {
  LoopWaits& waits = Waits();
  const auto found = std::ranges::find(waits.handles, handle);
  if (found == waits.handles.end()) return;
  waits.work.erase(waits.work.begin() + (found - waits.handles.begin()));
  waits.handles.erase(found);
}

// The work is copied out first: it may remove its own wait.
void WaitForMessageOrHandle() {
  LoopWaits& waits = Waits();
  const auto count = static_cast<DWORD>(waits.handles.size());
  const DWORD woken = MsgWaitForMultipleObjectsEx(count, waits.handles.data(), INFINITE,
                                                  QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  if (woken < WAIT_OBJECT_0 + count) {
    const std::function<void()> work = waits.work[woken - WAIT_OBJECT_0];
    work();
  }
}

}  // namespace vantiro::win32
