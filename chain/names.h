// Name rules shared by the folder boxes and the file list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantiro {

// Lower-cases the ASCII letters; other bytes (UTF-8 included) stay as they are.
std::string LowerCase(std::string text);

// The chain keeps every name as the disk gave it, and the commands use that
// name; a row shows it as the lists show names. A folder box shows its
// sub-folders in lower case; the file list shows a program's extension in
// capitals (setup.EXE). Names that differ only in case stay two entries.
std::string FolderRow(std::string_view name);
std::string FileRow(std::string_view name);
// Whether a name ends in ".exe", ".bat" or ".com", in any case.
bool IsProgram(std::string_view name);
// Whether a name ends in ending, ignoring the case of ASCII letters.
bool EndsIn(std::string_view name, std::string_view ending);

// Sorts names the way the folder and file lists show them: by name,
// ignoring the case of ASCII letters.
void SortByName(std::vector<std::string>& names);

// The entry typing jumps to: the first that begins with the word typed,
// ignoring case in any script. A word of one letter typed again and again
// that no entry begins with goes on to the next entry after current that
// begins with the letter, round to the top. -1 when none begins so.
int TypedEntry(const std::vector<std::string>& entries, const std::string& typed, int current);

// A character's upper case as Windows compares names ignoring case: its
// simple mapping in Unicode, the character itself where it has none.
char32_t UpperCase(char32_t c);

// Where a name stands in a list; -1 for an empty name or one not there.
int IndexOf(const std::vector<std::string>& names, const std::string& name);

// The last name of a path ("c:\a\b.txt" gives "b.txt"), and the folder that
// holds it, with its closing "\".
std::string NameOf(const std::string& path);
std::string FolderOf(const std::string& path);

}  // namespace vantiro
