// The clipboard read and written with the system's plain calls, as any
// other program would: CF_HDROP (a DROPFILES block, wide paths) and the
// shell's "Preferred DropEffect", a DWORD.
#include "clipboard.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

namespace {

UINT PreferredEffect() { return RegisterClipboardFormatW(L"Preferred DropEffect"); }

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  return out;
}

HGLOBAL Copied(const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (memory) {
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
  }
  return memory;
}

}  // namespace

int ShowClipboardFiles() {
  if (!OpenClipboard(nullptr)) return 1;
  auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
  const UINT count = drop ? DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) : 0;
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
    DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
    std::printf("%s\n", Utf8(name).c_str());
  }
  DWORD effect = 0;
  if (HGLOBAL memory = GetClipboardData(PreferredEffect())) {
    effect = *static_cast<const DWORD*>(GlobalLock(memory));
    GlobalUnlock(memory);
  }
  CloseClipboard();
  std::printf("effect %lu\n", effect);
  return count > 0 ? 0 : 1;
}

int PutClipboardFiles(unsigned long effect, const std::vector<std::wstring>& paths, int seconds) {
  std::wstring names;
  for (const std::wstring& path : paths) names += path + L'\0';
  names += L'\0';
  std::vector<char> block(sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.fWide = TRUE;
  std::memcpy(block.data(), &header, sizeof header);
  std::memcpy(block.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));
  HWND owner = CreateWindowExW(0, L"STATIC", L"e2e clipboard", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               nullptr, nullptr);
  if (!owner || !OpenClipboard(owner)) return 1;
  EmptyClipboard();
  const DWORD preferred = effect;
  const bool put = SetClipboardData(CF_HDROP, Copied(block.data(), block.size())) &&
                   SetClipboardData(PreferredEffect(), Copied(&preferred, sizeof preferred));
  CloseClipboard();
  if (!put) return 1;
  std::printf("put\n");
  std::fflush(stdout);
  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  MSG message;
  while (GetTickCount() < end) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(50);
  }
  return 0;
}
