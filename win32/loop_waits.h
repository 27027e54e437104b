// Handles the window's loop waits on beside its messages, each with what to
// do, on the window's thread, when it is signalled: a folder's changes come
// to the program without a thread of their own. Used on the window's thread
// alone; a modal loop (a message box, a menu) leaves them signalled until
// the program's own loop runs again.
#pragma once

#include <windows.h>

#include <functional>

namespace vantiro::win32 {

// False when the loop already waits on all the handles it can.
bool AddLoopWait(HANDLE handle, std::function<void()> signalled);
void RemoveLoopWait(HANDLE handle);
// Sleeps until a message comes or a handle is signalled, whose work it runs.
void WaitForMessageOrHandle();

}  // namespace vantiro::win32
