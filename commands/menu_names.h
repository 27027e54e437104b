// The menu entries the program reaches by name after building the bar. The
// design names them with these too, so a mistyped name does not compile.
#pragma once

#include <string_view>

namespace vantiro::menu {

inline constexpr std::string_view mnuRememberPath = "mnuRememberPath";
inline constexpr std::string_view mnuAnimation = "mnuAnimation";
inline constexpr std::string_view mnuAutoPlay = "mnuAutoPlay";
inline constexpr std::string_view mnuFileDetails = "mnuFileDetails";
inline constexpr std::string_view mnuTopMost = "mnuTopMost";
inline constexpr std::string_view mnuRemoveFavorites = "mnuRemoveFavorites";
inline constexpr std::string_view mnuReduce = "mnuReduce";
inline constexpr std::string_view mnuRestore = "mnuRestore";
inline constexpr std::string_view mnuDirFunctions = "mnuDirFunctions";
inline constexpr std::string_view mnuFileFunctions = "mnuFileFunctions";
inline constexpr std::string_view mnuFileOpenWith = "mnuFileOpenWith";
inline constexpr std::string_view mnuFileRename = "mnuFileRename";

}  // namespace vantiro::menu
