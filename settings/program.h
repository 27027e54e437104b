// The program's names: the title every message box carries that names no
// title of its own, and the main window's caption while no folder is open.
#pragma once

namespace vantiro {

inline constexpr const char* kAppTitle = "Vantiro! v2.10";
inline constexpr const char* kCaption = "Vantiro!";

}  // namespace vantiro
