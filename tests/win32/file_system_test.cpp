// Drives, folders and files of a fresh temporary folder, names in UTF-8,
// settings files saved whole, and operations handed to the shell.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <atomic>
#include <cctype>
#include <climits>
#include <thread>

#include "commands/shell_gate.h"
#include "tests/doubles/shell_gate_cases.h"
#include "tests/win32/win32_test_support.h"
#include "win32/wide_text.h"
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
    RemoveTree(root.substr(0, root.size() - 1));  // a run that ended early left it
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr) &&
                CreateDirectoryA((root + "alpha").c_str(), nullptr));
    ASSERT_TRUE(fs.SaveFile(root + kUnicodeFile, "<title>日本</title>"));
  }
  void TearDown() override { RemoveTree(root.substr(0, root.size() - 1)); }

  // With exact calls: the shell would misread the names the tests make.
  void RemoveTree(const std::string& folder) {
    for (const FolderEntry& entry :
         fs.Entries(folder + "\\").value_or(std::vector<FolderEntry>{})) {
      const std::string path = folder + "\\" + entry.name;
      entry.info.folder ? RemoveTree(path) : void(fs.RemoveFile(path));
    }
    RemoveDirectoryW(FilePath(folder).c_str());
  }
  // Makes the folders of a path below root, then the file.
  void MakeFile(const std::string& path, const std::string& contents) {
    for (std::size_t stop = root.size(); (stop = path.find('\\', stop + 1)) != std::string::npos;)
      CreateDirectoryW(FilePath(path.substr(0, stop)).c_str(), nullptr);
    ASSERT_TRUE(fs.SaveFile(path, contents)) << path;
  }
  std::string Contents(const std::string& path, std::size_t most = 300) {
    std::string text(most, '\0');
    auto file = fs.OpenForReading(path);
    text.resize(file ? static_cast<std::size_t>(file->Read(text.data(), text.size())) : 0);
    return text;
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
  const auto contents = [&] { return Contents(path); };
  ASSERT_TRUE(fs.SaveFile(path, "first\r\nversion\r\n"));
  ASSERT_TRUE(fs.SaveFile(root + "config", std::string("2nd\0", 4)))
      << "names are not case-sensitive";
  EXPECT_EQ(contents(), std::string("2nd\0", 4));
  EXPECT_EQ(fs.Entries(root).value_or(std::vector<FolderEntry>{}).size(), 3u)
      << "nothing left beside";
  const UniqueFile held(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(fs.SaveFile(path, "lost"));
  EXPECT_EQ(contents(), std::string("2nd\0", 4));
  EXPECT_FALSE(fs.SaveFile(root + "no such folder\\Config", "x"));
  const std::optional<FileFacts> facts = fs.Facts(path);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  ASSERT_TRUE(facts.has_value());
  EXPECT_EQ(std::pair(facts->size, facts->year), std::pair(std::uint64_t{4}, int{now.wYear}));
  EXPECT_FALSE(fs.Facts(root + "missing"));
}

// Only files the program makes are written: a link in the way of the
// temporary file, in the file's own place or at a backup's name leads
// nowhere the program writes (the build made the links, which Wine cannot).
TEST_F(FileSystemTest, WritesOnlyThroughFilesItMakes) {
  const std::string fixture = fs.CurrentDirectory() + "\\link-fixture\\";
  const std::string settings = fixture + "settings\\", victim = fixture + "outside\\victim";
  EXPECT_TRUE(fs.SaveFile(settings + "Temp", "list"));
  EXPECT_TRUE(fs.SaveFile(settings + "Config", "config"));
  EXPECT_FALSE(fs.RenameFile(settings + "Config", settings + "Favorites.bak"));
  EXPECT_TRUE(fs.CopyWhole(settings + "Temp", settings + "Copy", true));
  EXPECT_EQ(std::tuple(Contents(settings + "Temp"), Contents(settings + "Config"),
                       Contents(settings + "Copy"), Contents(victim)),
            std::tuple("list", "config", "list", "victim"));
  for (const char* made : {"Temp (2).new", "Config.new", "Copy (2).part"})
    EXPECT_FALSE(fs.Examine(settings + made)) << made << " left beside";
}

// Drives go by their letter, as the boxes show them, and their label
// where they have one.
TEST_F(FileSystemTest, NamesTheDriveOfTheTemporaryFolder) {
  int found = 0;
  for (const std::string& drive : fs.Drives()) {
    found += drive.starts_with(std::string(1, static_cast<char>(std::tolower(root[0]))) + ':');
    EXPECT_FALSE(drive.ends_with("[]")) << drive;
  }
  EXPECT_EQ(found, 1);
}

// Complete paths take the \\?\ form, which the file functions take as written.
TEST(FilePathTest, CompletePathsTakeTheFormThatIsReadAsWritten) {
  const std::pair<const char*, const wchar_t*> rows[] = {
      {"c:\\", L"\\\\?\\c:\\"},
      {"c:\\a.txt.", L"\\\\?\\c:\\a.txt."},
      {"\\\\server\\share\\x", L"\\\\?\\UNC\\server\\share\\x"},
      {"\\\\?\\c:\\x", L"\\\\?\\c:\\x"},
      {"c:", L"c:"},
      {"rel\\x", L"rel\\x"}};
  for (const auto& [path, wide] : rows) EXPECT_EQ(FilePath(path), wide) << path;
}

// Pages' character sets by the names the web gives them, on a job's thread.
TEST(DecodeTextTest, KnowsTheWebsNamesOfCharacterSets) {
  const std::pair<const char*, std::optional<std::string>> rows[] = {{"shift_jis", "\u65e5\u672c"},
                                                                     {"EUC-JP", "\u65e5\u672c"},
                                                                     {"windows-1256", "\u0627"},
                                                                     {"no-such-set", std::nullopt}};
  const std::string bytes[] = {"\x93\xfa\x96\x7b", "\xc6\xfc\xcb\xdc", "\xc7", "x"};
  std::thread([&] {
    for (std::size_t i = 0; i < std::size(rows); ++i)
      EXPECT_EQ(Win32FileSystem().DecodeText(bytes[i], rows[i].first), rows[i].second)
          << rows[i].first;
  }).join();
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
        fs.RunShellFileOperation({window->SystemHandle(), func, {from}, to, flags});
    EXPECT_EQ(result.code == 0, succeeds) << what << ": " << result.code;
    EXPECT_EQ(result.aborted, aborted) << what;
    EXPECT_EQ(answerer.answered(), asks) << what;
    EXPECT_EQ(owner, asks ? HandleOf(*window) : nullptr) << what;
    EXPECT_EQ(GetFileAttributesW(FilePath(copy).c_str()) != INVALID_FILE_ATTRIBUTES,
              func == FO_COPY && succeeds)
        << what;
  }
}

// Files go on the clipboard as Explorer puts them there (CF_HDROP and the
// shell's ID list) and come back whoever put them; a move pasted empties
// it, unless it took other files since. Text goes as text.
TEST_F(FileSystemTest, TheClipboardHoldsFilesAsTheShellDoes) {
  Win32WindowSystem ws;
  auto window =
      ws.CreateTopWindow({"Vantiro clip", WindowKind::SizableToolWindow, 900, 900, {}}, {});
  const std::uintptr_t owner = window->SystemHandle();
  MakeFile(root + "b.txt", "b");
  const Names paths = {root + kUnicodeFile, root + "b.txt"};
  ASSERT_TRUE(fs.PutFilesOnClipboard(paths, kDropMove, owner));
  EXPECT_EQ(fs.FilesOnClipboard(), (ClipboardFiles{paths, kDropMove}));
  ASSERT_TRUE(OpenClipboard(nullptr));
  const HGLOBAL idList = GetClipboardData(RegisterClipboardFormatW(CFSTR_SHELLIDLIST));
  EXPECT_EQ(idList ? static_cast<const CIDA*>(GlobalLock(idList))->cidl : 0, 2u);
  CloseClipboard();
  fs.TellPastedMove({paths.front()}, owner);
  EXPECT_EQ(fs.FilesOnClipboard(), (ClipboardFiles{paths, kDropMove})) << "other files: kept";
  fs.TellPastedMove(paths, owner);
  EXPECT_EQ(fs.FilesOnClipboard(), std::nullopt);
  ASSERT_TRUE(fs.PutTextOnClipboard("\"" + paths.front() + "\"", owner));
  EXPECT_EQ(fs.FilesOnClipboard(), std::nullopt);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(Utf8(static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)))),
            "\"" + paths.front() + "\"");
  CloseClipboard();
}

// A folder on another file system than Wine's trash is one the Recycle Bin
// cannot take: the shell's offer to delete it for good is declined before a
// Yes can reach it, and the folder stays whole.
TEST_F(FileSystemTest, ARecycleWhoseQuestionsAreDeclinedNeverDeletes) {
  const std::string folder = "Z:\\dev\\shm\\vantiro-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryW(FilePath(folder).c_str(), nullptr));
  ASSERT_TRUE(fs.SaveFile(folder + "\\inner.txt", "kept"));
  DialogAnswerer tooLate([](HWND dialog) { Press(dialog, IDYES); });
  const ShellFileResult result = fs.RunShellFileOperation(
      {0, FO_DELETE, {folder}, "", FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING, true});
  EXPECT_TRUE(result.aborted);
  EXPECT_EQ(Contents(folder + "\\inner.txt"), "kept");
  RemoveTree(folder);
}

// Each case is made beside the names the shell would take it for: the gate
// refuses it, and the exact calls reach it, never the other. A name with a
// wildcard cannot be made at all, and no pattern is matched.
TEST_F(FileSystemTest, TheGateRefusesWhatTheShellMisreadsWhileExactCallsReachIt) {
  for (const auto& [name, why] : fake::kGateCases) {
    if (name.find('*') == std::string::npos) MakeFile(root + name, name);
  }
  for (const auto& [name, why] : fake::kGateCases) {
    const auto refusal = CheckShellPath(root + name);
    EXPECT_EQ(refusal ? Reason(*refusal) : "passes", why) << name;
    EXPECT_EQ(Contents(root + name), name.find('*') == std::string::npos ? name : "") << name;
  }
  // A link Wine cannot make: the build made one beside the tests.
  const std::string holder = fs.CurrentDirectory() + "\\link-fixture\\holder";
  EXPECT_EQ(CheckShellTree(fs, holder),
            (ShellRefusal{ShellRule::Link, ShellPlace::Inside, "link"}));
}

// A reader never finds the exact copy half made, even with another copy to
// the same place under way, and past MAX_PATH.
TEST_F(FileSystemTest, CopiesWholeOrNotAtAll) {
  const std::string deep = root + std::string(130, 'd') + "\\" + std::string(130, 'e') + "\\";
  const std::string data(32 << 20, 'x');
  MakeFile(deep + "big.bin", data);
  std::atomic<int> copied = 0, done = 0;
  const auto copy = [&] {
    copied += fs.CopyWhole(deep + "big.bin", deep + "copy.bin", true);
    ++done;
  };
  std::thread first(copy), second(copy);
  int halfMade = 0;
  for (WIN32_FILE_ATTRIBUTE_DATA seen{}; done < 2;) {
    halfMade +=
        GetFileAttributesExW(FilePath(deep + "copy.bin").c_str(), GetFileExInfoStandard, &seen) &&
        seen.nFileSizeLow != data.size();
  }
  first.join();
  second.join();
  EXPECT_EQ(halfMade, 0);
  EXPECT_TRUE(Contents(deep + "copy.bin", data.size()) == data);
  EXPECT_FALSE(fs.CopyWhole(deep + "big.bin", deep + "copy.bin", false)) << "replaced unasked";
}

// A watch wakes for names made and removed in its folder, and its news
// reaches the window's loop through Post; a watch that ended tells nothing,
// and the others go on.
TEST_F(FileSystemTest, AWatchTellsTheLoopOfNamesMadeAndRemovedInItsFolder) {
  Win32WindowSystem ws;
  int changes = 0, others = 0;
  // Runs the loop until so many changes came or the time is up; whether they came.
  const auto waitFor = [&](int count, DWORD most) {
    const UINT_PTR tick = SetTimer(nullptr, 0, 50, nullptr);  // wakes the loop to look at the clock
    const DWORD start = GetTickCount();
    ws.RunWhile([&] { return changes + others < count && GetTickCount() - start < most; });
    KillTimer(nullptr, tick);
    return changes + others >= count;
  };
  const auto settled = [&] {  // what the last step posted has come
    waitFor(INT_MAX, 300);
    return changes;
  };
  ASSERT_TRUE(CreateDirectoryA((root + "other").c_str(), nullptr));
  auto other = fs.Watch(root + "other\\", [&] { ws.Post([&] { ++others; }); });
  auto watch = fs.Watch(root, [&] { ws.Post([&] { ++changes; }); });
  ASSERT_NE(watch, nullptr);
  MakeFile(root + "made.txt", "x");
  EXPECT_TRUE(waitFor(1, 1000)) << "a file made";
  const int seen = settled();
  ASSERT_TRUE(fs.RemoveFile(root + "made.txt"));
  EXPECT_TRUE(waitFor(seen + 1, 1000)) << "a file removed";
  watch.reset();
  const int before = settled();
  MakeFile(root + "after.txt", "x");
  EXPECT_FALSE(waitFor(before + 1, 1000)) << "an ended watch";
  MakeFile(root + "other\\made.txt", "x");
  EXPECT_TRUE(waitFor(before + 1, 1000) && others == 1) << "a watch that goes on";
  EXPECT_EQ(fs.Watch(root + "missing\\", [] {}), nullptr);
  EXPECT_FALSE(other->Replaced());
  ASSERT_TRUE(MoveFileA((root + "other").c_str(), (root + "moved").c_str()));
  EXPECT_TRUE(other->Replaced()) << "renamed away";
  ASSERT_TRUE(CreateDirectoryA((root + "other").c_str(), nullptr));
  EXPECT_TRUE(other->Replaced()) << "another in its place";
}

}  // namespace
}  // namespace vantiro::win32
