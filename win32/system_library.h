// The functions of the system libraries a start does without (the shell's,
// the common dialogs', the picture loader's, MCI's) are looked up on their
// first use: each library loads then, not with the program. This is the one
// way to reach them: a library not yet loaded has no module handle, so a
// lookup by GetModuleHandle would find nothing.
#pragma once

#include <windows.h>

namespace vantiro::win32 {

// A function of a library in the system folder; nullptr when it lacks it.
// Kept in a static at the call, it is looked up once.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace vantiro::win32
