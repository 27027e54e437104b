// The program's strings are UTF-8; the system's wide functions take UTF-16,
// and its file functions take paths past MAX_PATH in the \\?\ form.
#pragma once

#include <string>
#include <string_view>

namespace vantiro::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// A path for the wide file functions. A long one takes the \\?\ form, which
// lifts the limit of MAX_PATH characters: such a path is complete and uses
// backslashes only, as the program's paths do.
std::wstring FilePath(std::string_view path);

}  // namespace vantiro::win32
