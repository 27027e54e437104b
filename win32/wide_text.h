// The program's strings are UTF-8; the system's wide functions take UTF-16,
// and its file functions take paths in the \\?\ form.
#pragma once

#include <string>
#include <string_view>

namespace vantiro::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// A path for the wide file functions, in the \\?\ form when it is
// complete: Windows then takes it as written, with no limit of MAX_PATH
// characters, no trailing dots or spaces dropped and no device names.
std::wstring FilePath(std::string_view path);

}  // namespace vantiro::win32
