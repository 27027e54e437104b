// The programs Vantiro's start and memory are measured against, with the
// fewest calls that do the job. "bench_baseline" shows a bare window;
// "bench_baseline <folder>" shows one whose list box holds the names in the
// folder. Each runs until its window is closed.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Fill(HWND list, const std::string& folder) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileExA((folder + "*").c_str(), FindExInfoBasic, &found,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return;
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  do {
    if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0)
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
  } while (FindNextFileA(search, &found));
  FindClose(search);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

}  // namespace

int main(int argc, char** argv) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"VantiroBaseline";
  RegisterClassW(&windowClass);
  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"Vantiro baseline", WS_OVERLAPPEDWINDOW, 100,
                      100, 400, 400, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (argc > 1) {
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0, 0, 380, 360,
                                window, nullptr, windowClass.hInstance, nullptr);
    Fill(list, std::string(argv[1]) + "\\");
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
