// The probe as another program on the clipboard: see clipboard.cpp.
#pragma once

#include <string>
#include <vector>

// Prints the files on the clipboard, one a line, then "effect <n>", the
// "Preferred DropEffect" they came with (0 for none). 1 when it holds none.
int ShowClipboardFiles();
// Puts files on the clipboard as Explorer's copy (effect 5) or cut (2)
// does, prints "put", and keeps its window for seconds before it ends.
int PutClipboardFiles(unsigned long effect, const std::vector<std::wstring>& paths, int seconds);
