// The gate before the Windows shell. The shell reads a path its own way
// before it acts on it: it drops the dots and spaces that end a name, takes
// "*" and "?" as wildcards and NUL or COM1 as devices, stops at 260
// characters, and follows links as it works through a folder. So a path
// reaches it (copy, Recycle Bin, open, Open With, Properties, Explorer) only
// when that reading names exactly the item the user chose. The program's
// own file calls take every path as written and need no gate.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace vantiro {

enum class ShellRule {
  NotComplete,   // not "x:\..." nor "\\server\share\...", or an empty name inside
  Wildcard,      // "*" or "?"
  BadCharacter,  // one of < > : " / | or a control character
  DeviceName,    // CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, with any extension
  EndsInDot,
  EndsInSpace,
  TooLong,     // 260 characters or more
  Link,        // a symbolic link, junction or other reparse point
  Unreadable,  // a folder inside that cannot be listed
};

// Where the rule is broken: in the item's own name, in the name of a folder
// on its path, inside the folder, or by the path as a whole.
enum class ShellPlace { Name, Folder, Inside, Path };

struct ShellRefusal {
  ShellRule rule;
  ShellPlace place;
  std::string culprit;  // the name that breaks it; inside, the path below the folder
  bool operator==(const ShellRefusal&) const = default;
};

// nullopt when the shell may have the path as it stands.
std::optional<ShellRefusal> CheckShellPath(std::string_view path);

// The same for a folder (without its closing "\") that the shell works
// through, with everything inside it: no link may be there, the folder
// itself included, and every folder must be readable.
std::optional<ShellRefusal> CheckShellTree(const FileSystem& fs, const std::string& folder);

// The rule one name breaks, when it breaks one.
std::optional<ShellRule> CheckName(std::string_view name);

// Whether the program's own exact calls reach what a path so refused names:
// not for a path that is incomplete or holds a character no Windows name
// can hold (a ":" there names a file's hidden stream).
bool ExactCallsReach(const ShellRefusal& refusal);

// What is wrong, without its subject: "ends in a dot".
std::string_view Broken(ShellRule rule);

// Why, for the end of a message: "its name ends in a dot".
std::string Reason(const ShellRefusal& refusal);

}  // namespace vantiro
