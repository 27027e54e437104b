// What shows of a file that is neither a picture, a sound, a video nor an
// HTML page: its name, size and last change, and for a text file its first
// lines. Read away from the window's thread: only the file's beginning.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace vantiro {

struct FileDetails {
  std::string name;
  std::optional<FileFacts> facts;   // none when nothing can tell them
  std::optional<std::string> text;  // the first lines, one a "\n"; none for no text
};

// The most of a file that is read for its lines, and the most lines shown.
inline constexpr std::size_t kDetailsBytes = 64 * 1024;
inline constexpr std::size_t kDetailsLines = 200;

FileDetails ReadDetails(const FileSystem& fs, const std::string& path, const std::string& name);

// The first lines of a file's beginning when it is text: UTF-16 with its
// byte-order mark, UTF-8, or else Windows-1252; nullopt for bytes that are
// no text (a NUL, or control characters besides tabs and line breaks). A
// beginning cut short of the file's end may end inside a character.
std::optional<std::string> TextLines(std::string_view beginning, bool cut);

std::string SizeText(std::uint64_t bytes);        // "12,345 bytes"
std::string ChangedText(const FileFacts& facts);  // "2026-12-09 10:15"

}  // namespace vantiro
