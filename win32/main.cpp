// Vantiro on Windows: the program's main window on the Win32 adapters.
#include <windows.h>

#include "app/form1.h"
#include "win32/file_system.h"
#include "win32/window_system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vantiro::win32::Win32WindowSystem ws;
  vantiro::win32::Win32FileSystem fs;
  vantiro::Form1 form(ws, fs);
  form.Start();
  return ws.Run();
}
