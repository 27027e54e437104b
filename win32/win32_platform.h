// The program's platform on Win32, for the entry point. Free of
// <windows.h>, whose macros would rename the program's own procedures
// (CopyFile becomes CopyFileA, DeleteFile DeleteFileA).
#pragma once

#include <memory>

#include "platform/executor.h"
#include "platform/file_system.h"
#include "platform/picture.h"
#include "platform/window_system.h"

namespace vantiro::win32 {

class Win32Platform {
 public:
  Win32Platform();
  ~Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  WindowSystem& windows();
  // Jobs away from the window's thread, and their results handed back to it
  // by the window system's loop.
  Executor& executor();
  FileSystem& files();
  const PictureDecoder& pictures();
  // Dispatches messages until the program quits, then ends the process at
  // once: what is still being read elsewhere is let go, never waited for.
  [[noreturn]] void Run();

 private:
  struct Adapters;
  std::unique_ptr<Adapters> adapters_;
};

}  // namespace vantiro::win32
