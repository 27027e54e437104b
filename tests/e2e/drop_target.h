// The probe's drop target: see drop_target.cpp.
#pragma once

// Shows a small window at x, y that takes files dropped on it, and prints
// the effect and their paths. Returns the exit status.
int TakeDrop(int x, int y);
