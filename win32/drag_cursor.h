// The cursors of an in-program drag: the system's arrow, and a copy cursor
// drawn here, an arrow with a dotted rectangle and a plus below-right of it.
#pragma once

#include <windows.h>

#include "platform/window_system.h"

namespace vantiro::win32 {

// Shared by every list box; the copy cursor is made on first use and lives
// as long as the process.
HCURSOR DragCursorHandle(DragCursor cursor);

}  // namespace vantiro::win32
