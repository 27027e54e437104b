// The shell gate's verdicts on names below a folder: the native tests check
// them as strings, the adapter tests on real files under Wine, where each
// is made beside the names the shell would take it for.
#pragma once

#include <string>

namespace vantiro::fake {

struct GateCase {
  std::string name, why;
};

inline const GateCase kGateCases[] = {
    {"a.txt", "passes"},
    {"a.txt.", "its name ends in a dot"},
    {"note.txt", "passes"},
    {"note.txt ", "its name ends in a space"},
    {"work.\\in.txt", "the folder 'work.' on its path ends in a dot"},
    {"star*x", "its name holds a wildcard (* or ?)"},
    {"c:\\in c.txt",
     "the folder 'c:' on its path holds a character that Windows does not allow in a name"},
    {"nul.txt", "its name is the name of a device"},
    {std::string(130, 'd') + "\\" + std::string(130, 'e'), "its path is 260 characters or longer"},
};

}  // namespace vantiro::fake
