// The input box: a modal dialog with a prompt, an edit and OK / Cancel.
#pragma once

#include <windows.h>

#include <string>

namespace vantiro::win32 {

inline constexpr int kInputBoxPromptId = 100;
inline constexpr int kInputBoxEditId = 101;

// The text typed, or "" on Cancel or the close box.
std::string RunInputBox(HWND owner, const std::string& prompt, const std::string& title,
                        const std::string& defaultText);

}  // namespace vantiro::win32
