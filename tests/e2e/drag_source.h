// The probe's drag source: see drag_source.cpp.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Shows a small window at x, y (screen pixels); a left press on it drags the
// files. Returns the exit status.
int DragFiles(int x, int y, const std::vector<std::wstring>& files);
// Shows a small window at x, y that takes files dropped on it, and prints
// the effect and their paths. Returns the exit status.
int TakeDrop(int x, int y);
