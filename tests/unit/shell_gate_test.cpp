// The gate before the shell: which paths it refuses, and why, in words.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/shell_gate.h"
#include "tests/doubles/shell_gate_cases.h"
#include "tests/doubles/temp_drives.h"

namespace vantiro {
namespace {

std::string Why(const std::optional<ShellRefusal>& refusal) {
  return refusal ? Reason(*refusal) : "passes";
}

TEST(ShellGate, PassesOnlyAPathThatNamesExactlyOneThing) {
  const std::string folder248 = "c:\\" + std::string(244, 'f') + "\\";
  const std::string notComplete = "it is not a complete path",
                    device = "its name is the name of a device";
  std::vector<fake::GateCase> rows = {
      {"\\\\server\\share\\a b.txt", "passes"},
      {"\\\\server\\share", "passes"},
      {"c:\\", "passes"},
      {"c:\\x\\com10", "passes"},
      {"docs\\a.txt", notComplete},
      {"\\\\server", notComplete},
      {"c:\\docs\\\\a.txt", notComplete},
      {"c:\\\\docs", notComplete},
      {"c:\\docs\\\\", notComplete},
      {"c:\\x\\Com1 .log", device},
      {"c:\\a.\\b*", "its name holds a wildcard (* or ?)"},  // told before what exact calls reach
      {"c:\\a.\\b.", "the folder 'a.' on its path ends in a dot"},  // the first of two alike
      // Windows counts UTF-16 units: three bytes of UTF-8 make one, four two.
      {folder248 + "日本日本日本日本日本日", "passes"},
      {folder248 + "\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600ab",
       "its path is 260 characters or longer"},
  };
  for (const auto& [name, why] : fake::kGateCases) rows.push_back({"c:\\" + name, why});
  for (const auto& row : rows) EXPECT_EQ(Why(CheckShellPath(row.name)), row.why) << row.name;
}

// A folder goes to the shell only with nothing inside that it would misread.
TEST(ShellGate, LooksThroughAFolderForAnythingTheShellWouldMisread) {
  fake::TempDrives drives;
  drives.AddDrive('c');
  drives.MakeFile("c:\\tree\\sub\\b.txt");
  EXPECT_EQ(Why(CheckShellTree(drives, "c:\\tree")), "passes");
  const std::string longName(248, 'n');  // 260 characters in all
  drives.MakeFile("c:\\tree\\sub\\" + longName);
  EXPECT_EQ(Why(CheckShellTree(drives, "c:\\tree")),
            "the path of 'sub\\" + longName + "' inside it is 260 characters or longer");
  drives.RemoveFile("c:\\tree\\sub\\" + longName);
  std::filesystem::create_directory_symlink(drives.HostPath("c:\\tree"),
                                            drives.HostPath("c:\\tree\\sub\\x."));
  EXPECT_EQ(Why(CheckShellTree(drives, "c:\\tree")), "'sub\\x.' inside it ends in a dot");
  EXPECT_EQ(Why(CheckShellTree(drives, "c:\\tree\\sub\\x.")), "its name ends in a dot");
  std::filesystem::rename(drives.HostPath("c:\\tree\\sub\\x."),
                          drives.HostPath("c:\\tree\\sub\\x"));
  EXPECT_EQ(Why(CheckShellTree(drives, "c:\\tree")), "'sub\\x' inside it is a link");
  EXPECT_EQ(Why(CheckShellTree(drives, "c:\\tree\\sub\\x")), "it is a link");
}

}  // namespace
}  // namespace vantiro
