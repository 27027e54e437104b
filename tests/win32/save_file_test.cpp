// Saving a settings file whole, deleting it, and starting a program.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

std::string Contents(const std::string& path) {
  const std::unique_ptr<InputFile> file = Win32FileSystem().OpenForReading(path);
  if (!file) return "(missing)";
  std::string contents;
  char buffer[256];
  for (std::ptrdiff_t read; (read = file->Read(buffer, sizeof buffer)) > 0;) {
    contents.append(buffer, static_cast<std::size_t>(read));
  }
  return contents;
}

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "vantiro-save-" + std::to_string(GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    path = folder + "Config";
  }

  void TearDown() override {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    DeleteFileA((path + ".new").c_str());
    EXPECT_TRUE(RemoveDirectoryA(folder.c_str())) << "a file was left behind in " << folder;
  }

  Win32FileSystem fs;
  std::string folder;
  std::string path;
};

TEST_F(SaveFileTest, ReplacesTheFileWholeAndLeavesNothingBeside) {
  ASSERT_TRUE(fs.SaveFile(path, "first\r\nversion\r\n"));
  ASSERT_TRUE(fs.SaveFile(path, std::string("2nd\0", 4)));
  EXPECT_EQ(Contents(path), std::string("2nd\0", 4));
  EXPECT_EQ(GetFileAttributesA((path + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_TRUE(fs.SaveFile(folder + "config", "")) << "names are not case-sensitive";
  EXPECT_EQ(Contents(path), "");
}

// A file another program holds open without sharing it cannot be replaced.
TEST_F(SaveFileTest, AFileThatCannotBeReplacedKeepsItsContents) {
  ASSERT_TRUE(fs.SaveFile(path, "kept"));
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(fs.SaveFile(path, "lost"));
  CloseHandle(held);
  EXPECT_EQ(Contents(path), "kept");
  EXPECT_FALSE(fs.SaveFile(folder + "no such folder\\Config", "x"));
}

TEST_F(SaveFileTest, RemoveFileTellsWhetherThereWasOne) {
  ASSERT_TRUE(fs.SaveFile(path, "x"));
  EXPECT_TRUE(fs.RemoveFile(folder + "CONFIG"));
  EXPECT_EQ(Contents(path), "(missing)");
  EXPECT_FALSE(fs.RemoveFile(path));
}

TEST(StartProgram, StartsACommandLineAndFailsForAMissingProgram) {
  Win32FileSystem fs;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string marker = std::string(temp) + "vantiro-started.txt";
  DeleteFileA(marker.c_str());
  ASSERT_TRUE(fs.StartProgram("cmd.exe /c echo started> \"" + marker + "\""));
  for (int waited = 0; waited < 100 && Contents(marker).find("started") != 0; ++waited) Sleep(100);
  EXPECT_EQ(Contents(marker).find("started"), 0u);
  DeleteFileA(marker.c_str());
  EXPECT_FALSE(fs.StartProgram("\"c:\\no such folder\\Vantiro.exe\""));
}

}  // namespace
}  // namespace vantiro::win32
