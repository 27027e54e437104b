// Name rules shared by the folder boxes and the file list.
#pragma once

#include <string>
#include <vector>

namespace vantiro {

// Lower-cases the ASCII letters; other bytes (UTF-8 included) stay as they are.
std::string LowerCase(std::string text);

// Sorts names the way the folder and file lists show them: by name,
// ignoring the case of ASCII letters.
void SortByName(std::vector<std::string>& names);

// The entry typing jumps to: the first that begins with what was typed,
// ignoring case; one letter typed again and again goes on from the entry
// after current, round to the top. -1 when none begins so.
int TypedEntry(const std::vector<std::string>& entries, const std::string& typed, int current);

// Where a name stands in a list; -1 for an empty name or one not there.
int IndexOf(const std::vector<std::string>& names, const std::string& name);

}  // namespace vantiro
