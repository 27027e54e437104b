// Vantiro on Windows: the program's main window on the Win32 adapters. The
// GUI start-up code of mingw-w64 calls main.
#include "app/form1.h"
#include "win32/win32_platform.h"

// <windows.h>'s macros would rename any name of the program that matches a
// system function's (CopyFile becomes CopyFileW).
#ifdef _WINDOWS_
#error "<windows.h> reached the entry point through a program header"
#endif

int main() {
  vantiro::win32::Win32Platform platform;
  vantiro::Form1 form(platform.windows(), platform.executor(), platform.files(),
                      platform.pictures());
  form.Start();
  platform.Run();
}
