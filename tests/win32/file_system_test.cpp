// Drives, folders and files of a fresh temporary folder, names in UTF-8,
// settings files saved whole, and operations handed to the shell.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>

#include "tests/win32/win32_test_support.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

using namespace testing;
using Names = std::vector<std::string>;

const std::string kUnicodeFile = "日本.txt";
const std::string kContent = std::string("<title>日本</title>\r\n") + '\0' + "tail";

Names Sorted(std::optional<Names> names) {
  if (!names) return {"unreadable"};
  std::sort(names->begin(), names->end());
  return *names;
}

// alpha\, Ünïcødé\, empty\, a.txt, hidden.sys (hidden and system) and 日本.txt.
class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"", "alpha", "Ünïcødé", "empty"}) {
      ASSERT_TRUE(CreateDirectoryA((root + folder).c_str(), nullptr)) << folder;
    }
    for (const auto& [name, attributes] :
         {std::pair{"a.txt", FILE_ATTRIBUTE_NORMAL},
          {"hidden.sys", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
          {kUnicodeFile.c_str(), FILE_ATTRIBUTE_NORMAL}}) {
      const UniqueFile file(CreateFileA((root + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, attributes, nullptr));
      DWORD written = 0;
      WriteFile(file.get(), kContent.data(), static_cast<DWORD>(kContent.size()), &written,
                nullptr);
    }
  }
  void TearDown() override {
    const std::string from = root + '\0';
    SHFILEOPSTRUCTA remove{nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI, {}, {}, {}};
    SHFileOperationA(&remove);
  }
  static std::string Temp() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return temp;
  }

  Win32FileSystem fs;
  const std::string root = Temp() + "vantiro-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(GetTickCount()) + "\\";
};

TEST_F(FileSystemTest, ListsFoldersAsFullPathsAndEveryFileOrTellsItCannot) {
  EXPECT_EQ(Sorted(fs.SubFolders(root)),
            Sorted(Names{root + "alpha", root + "Ünïcødé", root + "empty"}));
  EXPECT_EQ(Sorted(fs.FileNames(root)), Sorted(Names{"a.txt", "hidden.sys", kUnicodeFile}));
  EXPECT_EQ(Sorted(fs.SubFolders(root + "empty\\")), Names{});
  EXPECT_EQ(Sorted(fs.FileNames(root + "empty\\")), Names{});
  for (const char* path : {"missing\\", "missing\\deeper\\", "a.txt\\", "bad|name\\"}) {
    EXPECT_FALSE(fs.SubFolders(root + path)) << path;
    EXPECT_FALSE(fs.FileNames(root + path)) << path;
  }
}

TEST_F(FileSystemTest, ReadsAFileInPiecesToItsEnd) {
  for (std::size_t chunk : {1, 7, 4096}) {
    auto file = fs.OpenForReading(root + kUnicodeFile);
    ASSERT_TRUE(file) << chunk;
    std::string content, buffer(chunk, '\0');
    for (std::ptrdiff_t read; (read = file->Read(buffer.data(), chunk)) > 0;) {
      content.append(buffer, 0, static_cast<std::size_t>(read));
    }
    EXPECT_EQ(content, kContent) << chunk;
    EXPECT_EQ(file->Read(buffer.data(), 1), 0) << "still at the end";
  }
  EXPECT_EQ(fs.OpenForReading(root + "missing.txt"), nullptr);
  EXPECT_EQ(fs.OpenForReading(root + "alpha"), nullptr);
}

// A save replaces the file whole, leaving nothing beside; a file another
// program holds open without sharing it keeps its contents.
TEST_F(FileSystemTest, SavesASettingsFileWholeOrNotAtAll) {
  const std::string path = root + "Config";
  const auto contents = [&] {
    std::string text(64, '\0');
    auto file = fs.OpenForReading(path);
    text.resize(file ? static_cast<std::size_t>(file->Read(text.data(), text.size())) : 0);
    return text;
  };
  ASSERT_TRUE(fs.SaveFile(path, "first\r\nversion\r\n"));
  ASSERT_TRUE(fs.SaveFile(root + "config", std::string("2nd\0", 4)))
      << "names are not case-sensitive";
  EXPECT_EQ(contents(), std::string("2nd\0", 4));
  EXPECT_EQ(Sorted(fs.FileNames(root)),
            Sorted(Names{"a.txt", "hidden.sys", kUnicodeFile, "Config"}));
  const UniqueFile held(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(fs.SaveFile(path, "lost"));
  EXPECT_EQ(contents(), std::string("2nd\0", 4));
  EXPECT_FALSE(fs.SaveFile(root + "no such folder\\Config", "x"));
}

// Past MAX_PATH the folders still list, open and hold files that save,
// read and go. The chain is removed here, folder by folder: Wine's shell,
// asked to delete a folder holding it, deletes the current folder's files.
TEST_F(FileSystemTest, ReachesFoldersBehindPathsLongerThanMaxPath) {
  struct Chain {
    std::string path;
    const std::size_t top;
    ~Chain() {
      for (; path.size() > top; path.resize(path.size() - 61))
        RemoveDirectoryW(FilePath(path).c_str());
    }
  } chain{Temp(), Temp().size()};
  std::string& path = chain.path;
  while (path.size() < 300) {
    path += std::string(60, 'v') + "\\";
    ASSERT_TRUE(CreateDirectoryW(FilePath(path).c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
  }
  const std::string parent = path.substr(0, path.size() - 61);
  EXPECT_EQ(Sorted(fs.SubFolders(parent)), Names{path.substr(0, path.size() - 1)});
  ASSERT_TRUE(fs.SaveFile(path + kUnicodeFile, kContent));
  EXPECT_EQ(Sorted(fs.FileNames(path)), Names{kUnicodeFile});
  std::string content(kContent.size() + 1, '\0');
  EXPECT_EQ(fs.OpenForReading(path + kUnicodeFile)->Read(content.data(), content.size()),
            static_cast<std::ptrdiff_t>(kContent.size()));
  ASSERT_TRUE(fs.SaveFile(path + "b.txt", "b"));
  EXPECT_FALSE(fs.RenameFile(path + kUnicodeFile, path + "b.txt")) << "b.txt is there";
  EXPECT_TRUE(fs.RenameFile(path + kUnicodeFile, path + "a.txt"));
  EXPECT_TRUE(fs.RemoveFile(path + "a.txt") && fs.RemoveFile(path + "b.txt"));
  const std::string top = Temp() + std::string(60, 'v');
  EXPECT_EQ(fs.RunShellFileOperation({0, FO_DELETE, top, "", FOF_NO_UI}).code,
            kPathTooLongForShell);
  EXPECT_NE(GetFileAttributesW(FilePath(path).c_str()), INVALID_FILE_ATTRIBUTES)
      << "never handed to the shell";
}

// The shell asks before it replaces a file, unless told not to; it asks
// over the program's window, and here the answer is No.
TEST_F(FileSystemTest, HandsTheShellItsOperationAndTellsWhatCameOfIt) {
  Win32WindowSystem ws;
  auto window =
      ws.CreateTopWindow({"Vantiro shell", WindowKind::SizableToolWindow, 3000, 3000, {}}, {});
  window->Show();
  const std::string source = root + kUnicodeFile, copy = root + "alpha\\" + kUnicodeFile;
  const std::tuple<const char*, unsigned, std::string, unsigned, bool, bool, bool> rows[] = {
      // what, func, from, flags; then succeeds, asks and aborted
      {"a copy", FO_COPY, source, FOF_SILENT | FOF_NOCONFIRMATION, true, false, false},
      {"a replace not to ask about", FO_COPY, source, FOF_NOCONFIRMATION, true, false, false},
      {"a replace", FO_COPY, source, FOF_SIMPLEPROGRESS | FOF_FILESONLY, true, true, true},
      {"a delete", FO_DELETE, copy, FOF_SILENT | FOF_NOCONFIRMATION, true, false, false},
      {"a missing source", FO_COPY, root + "missing.txt", FOF_NO_UI, false, false, false}};
  for (const auto& [what, func, from, flags, succeeds, asks, aborted] : rows) {
    HWND owner = nullptr;
    DialogAnswerer answerer([&](HWND dialog) {
      owner = GetWindow(dialog, GW_OWNER);
      Press(dialog, IDNO);
    });
    const std::string to = func == FO_DELETE ? "" : root + "alpha";
    const ShellFileResult result =
        fs.RunShellFileOperation({window->SystemHandle(), func, from, to, flags});
    EXPECT_EQ(result.code == 0, succeeds) << what << ": " << result.code;
    EXPECT_EQ(result.aborted, aborted) << what;
    EXPECT_EQ(answerer.answered(), asks) << what;
    EXPECT_EQ(owner, asks ? HandleOf(*window) : nullptr) << what;
    EXPECT_EQ(GetFileAttributesA(copy.c_str()) != INVALID_FILE_ATTRIBUTES,
              func == FO_COPY && succeeds)
        << what;
  }
}

}  // namespace
}  // namespace vantiro::win32
