// Drives, folders and files of a fresh temporary folder, names in UTF-8,
// settings files saved whole, and operations handed to the shell.
#include <windows.h>

#include <shellapi.h>

#include "tests/win32/win32_test_support.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

using namespace testing;
using Names = std::vector<std::string>;

const std::string kUnicodeFile = "日本.txt";

// alpha\ and 日本.txt, in a fresh temporary folder.
class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr) &&
                CreateDirectoryA((root + "alpha").c_str(), nullptr));
    ASSERT_TRUE(fs.SaveFile(root + kUnicodeFile, "<title>日本</title>"));
  }
  void TearDown() override {
    const std::string from = root + '\0';
    SHFILEOPSTRUCTA remove{nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI, {}, {}, {}};
    SHFileOperationA(&remove);
  }

  Win32FileSystem fs;
  const std::string root = [] {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "vantiro-" + std::to_string(GetCurrentProcessId()) + "\\";
  }();
};

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
  EXPECT_EQ(fs.FileNames(root).value_or(Names{}).size(), 2u) << "nothing left beside";
  const UniqueFile held(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(fs.SaveFile(path, "lost"));
  EXPECT_EQ(contents(), std::string("2nd\0", 4));
  EXPECT_FALSE(fs.SaveFile(root + "no such folder\\Config", "x"));
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
