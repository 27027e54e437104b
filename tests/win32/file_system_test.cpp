// Drives, folders and files of a fresh temporary folder, names in UTF-8.
#include <windows.h>

#include <algorithm>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "win32/file_system.h"

namespace vantiro::win32 {
namespace {

using Names = std::vector<std::string>;

const std::string kUnicodeFolder = "Ünïcødé";
const std::string kUnicodeFile = "日本.txt";
const std::string kContent = std::string("<title>日本</title>\r\n") + '\0' + "tail";

Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

void MakeFile(const std::string& path, DWORD attributes, const std::string& content = {}) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadAll(InputFile& file, std::size_t chunk) {
  std::string content;
  std::string buffer(chunk, '\0');
  for (std::ptrdiff_t read; (read = file.Read(buffer.data(), chunk)) > 0;) {
    content.append(buffer, 0, static_cast<std::size_t>(read));
  }
  return content;
}

class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    root = std::string(temp) + "vantiro-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "\\";
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr)) << root;
    for (const std::string& folder : {std::string("alpha"), kUnicodeFolder, std::string("empty")}) {
      ASSERT_TRUE(CreateDirectoryA((root + folder).c_str(), nullptr)) << folder;
    }
    MakeFile(root + "a.txt", FILE_ATTRIBUTE_NORMAL);
    MakeFile(root + "hidden.sys", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    MakeFile(root + kUnicodeFile, FILE_ATTRIBUTE_NORMAL, kContent);
  }

  void TearDown() override {
    for (const char* file : {"a.txt", "hidden.sys"}) {
      SetFileAttributesA((root + file).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA((root + file).c_str());
    }
    DeleteFileA((root + kUnicodeFile).c_str());
    for (const std::string& folder : {std::string("alpha"), kUnicodeFolder, std::string("empty")}) {
      RemoveDirectoryA((root + folder).c_str());
    }
    RemoveDirectoryA(root.c_str());
  }

  Win32FileSystem fs;
  std::string root;
};

TEST(CodePageTest, TheTestProgramRunsInUtf8LikeTheProgram) { EXPECT_EQ(GetACP(), 65001u); }

TEST_F(FileSystemTest, ListsSubFoldersAsFullPaths) {
  const auto folders = fs.SubFolders(root);
  ASSERT_TRUE(folders);
  EXPECT_EQ(Sorted(*folders), Sorted({root + "alpha", root + kUnicodeFolder, root + "empty"}));
}

TEST_F(FileSystemTest, ListsFileNamesHiddenAndSystemIncluded) {
  const auto names = fs.FileNames(root);
  ASSERT_TRUE(names);
  EXPECT_EQ(Sorted(*names), Sorted({"a.txt", "hidden.sys", kUnicodeFile}));
}

TEST_F(FileSystemTest, TellsAnEmptyFolderFromOneThatCannotBeRead) {
  const struct {
    std::string path;
    bool readable;
  } rows[] = {{root + "empty\\", true},
              {root + "missing\\", false},
              {root + "missing\\deeper\\", false},
              {root + "a.txt\\", false},
              {root + "bad|name\\", false}};
  for (const auto& row : rows) {
    const auto folders = fs.SubFolders(row.path);
    const auto files = fs.FileNames(row.path);
    EXPECT_EQ(folders.has_value(), row.readable) << row.path;
    EXPECT_EQ(files.has_value(), row.readable) << row.path;
    if (row.readable) {
      EXPECT_TRUE(folders->empty() && files->empty()) << row.path;
    }
  }
}

TEST_F(FileSystemTest, ReadsAFileInPiecesToItsEnd) {
  for (std::size_t chunk : {std::size_t{1}, std::size_t{7}, std::size_t{4096}}) {
    auto file = fs.OpenForReading(root + kUnicodeFile);
    ASSERT_TRUE(file) << chunk;
    EXPECT_EQ(ReadAll(*file, chunk), kContent) << chunk;
    char byte = 0;
    EXPECT_EQ(file->Read(&byte, 1), 0) << "still at the end";
  }
  for (const std::string& unreadable : {root + "missing.txt", root + "alpha"}) {
    EXPECT_EQ(fs.OpenForReading(unreadable), nullptr) << unreadable;
  }
}

TEST_F(FileSystemTest, ReportsTheCurrentDirectoryAsSet) {
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  const std::string folder = root + kUnicodeFolder;
  ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
  EXPECT_EQ(fs.CurrentDirectory(), folder);
  SetCurrentDirectoryA(previous);
}

TEST(DrivesTest, NamesEveryDriveInOrderWithItsLabel) {
  const Names drives = Win32FileSystem().Drives();
  const std::regex shape("[a-z]:( \\[.+\\])?");
  for (const std::string& drive : drives) EXPECT_TRUE(std::regex_match(drive, shape)) << drive;
  EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
  const auto has = [&](char letter) {
    return std::any_of(drives.begin(), drives.end(),
                       [letter](const std::string& drive) { return drive[0] == letter; });
  };
  EXPECT_TRUE(has('c'));
  if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr) {
    EXPECT_TRUE(has('z')) << "Wine maps the Linux root as z:";
  }
}

}  // namespace
}  // namespace vantiro::win32
