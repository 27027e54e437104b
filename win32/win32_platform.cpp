#include "win32/win32_platform.h"

#include <windows.h>

#include "win32/wic_pictures.h"
#include "win32/win32_file_system.h"
#include "win32/win32_window_system.h"

namespace vantiro::win32 {

struct Win32Platform::Adapters {
  Win32WindowSystem windows;
  Win32FileSystem files;
  WicPictureDecoder pictures;
};

Win32Platform::Win32Platform() : adapters_(std::make_unique<Adapters>()) {}

Win32Platform::~Win32Platform() = default;

WindowSystem& Win32Platform::windows() { return adapters_->windows; }

Executor& Win32Platform::executor() { return adapters_->windows; }

FileSystem& Win32Platform::files() { return adapters_->files; }

const PictureDecoder& Win32Platform::pictures() { return adapters_->pictures; }

void Win32Platform::Run() {
  adapters_->windows.RunToQuit();
  ExitProcess(0);
}

}  // namespace vantiro::win32
