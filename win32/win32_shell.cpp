// The file system's calls that go to the shell or start programs: opening a
// document, Open With, Properties, the shell's file operations. The paths
// they take passed the program's shell gate first.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "win32/handles.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"
#include "win32/win32_file_system.h"

namespace vantiro::win32 {
namespace {

// ShellExecuteEx, false without the shell's library.
bool RunShellExecute(SHELLEXECUTEINFOW& info) {
  static const auto execute =
      SystemFunction<decltype(ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
  return execute && execute(&info);
}

}  // namespace

bool Win32FileSystem::StartProgram(const std::string& commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  std::wstring line = Wide(commandLine);  // CreateProcessW may write into it
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  const UniqueFile thread(process.hThread), child(process.hProcess);
  AllowSetForegroundWindow(process.dwProcessId);  // the new window takes the focus
  return true;
}

// The shell's default verb: no command interpreter reads the name. Failures
// are the program's to ignore, so the shell shows none of its own.
bool Win32FileSystem::OpenDocument(const std::string& path) {
  const std::wstring file = Wide(path);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  return RunShellExecute(info);
}

namespace {

// The sheet the item's own context menu shows: the way left where the shell
// has no "properties" verb for ShellExecuteEx (Wine).
void ShowPropertiesByContextMenu(const std::wstring& path, HWND owner) {
  static const auto parse =
      SystemFunction<decltype(SHParseDisplayName)>(L"shell32.dll", "SHParseDisplayName");
  static const auto bind =
      SystemFunction<decltype(SHBindToParent)>(L"shell32.dll", "SHBindToParent");
  PIDLIST_ABSOLUTE item = nullptr;
  if (!parse || !bind || FAILED(parse(path.c_str(), nullptr, &item, 0, nullptr))) return;
  IShellFolder* parent = nullptr;
  PCUITEMID_CHILD child = nullptr;
  if (SUCCEEDED(bind(item, IID_IShellFolder, reinterpret_cast<void**>(&parent), &child))) {
    IContextMenu* menu = nullptr;
    if (SUCCEEDED(parent->GetUIObjectOf(owner, 1, &child, IID_IContextMenu, nullptr,
                                        reinterpret_cast<void**>(&menu)))) {
      CMINVOKECOMMANDINFO command{};
      command.cbSize = sizeof command;
      command.hwnd = owner;
      command.lpVerb = "properties";
      command.nShow = SW_SHOWNORMAL;
      menu->InvokeCommand(&command);
      menu->Release();
    }
    parent->Release();
  }
  CoTaskMemFree(item);
}

// While it lives, every dialog the shell activates on this thread is
// answered No as it comes up.
class QuestionsDeclined {
 public:
  QuestionsDeclined() : hook_(SetWindowsHookExW(WH_CBT, &Decline, nullptr, GetCurrentThreadId())) {}
  ~QuestionsDeclined() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  QuestionsDeclined(const QuestionsDeclined&) = delete;
  QuestionsDeclined& operator=(const QuestionsDeclined&) = delete;
  bool active() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK Decline(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    wchar_t name[8] = {};
    if (code == HCBT_ACTIVATE && GetClassNameW(window, name, 8) > 0 &&
        std::wstring_view(name) == L"#32770") {
      PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(window, IDNO)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

}  // namespace

// The shell takes lists of paths, each ended by a NUL, the list by another.
// It may be called on any thread: the operations run on threads of their own.
ShellFileResult Win32FileSystem::RunShellFileOperation(const ShellFileOperation& operation) {
  const ComOnThisThread com(COINIT_APARTMENTTHREADED);  // for its progress window
  std::wstring fromList;
  for (const std::string& path : operation.from) fromList += Wide(path) + L'\0';
  fromList += L'\0';
  const std::wstring to = Wide(operation.to), toList = to + L'\0' + L'\0';
  SHFILEOPSTRUCTW record{};
  record.hwnd = reinterpret_cast<HWND>(operation.owner);
  record.wFunc = operation.func;
  record.pFrom = fromList.c_str();
  record.pTo = to.empty() ? nullptr : toList.c_str();
  record.fFlags = static_cast<FILEOP_FLAGS>(operation.flags);
  static const auto operate =
      SystemFunction<decltype(SHFileOperationW)>(L"shell32.dll", "SHFileOperationW");
  std::optional<QuestionsDeclined> declined;
  if (operation.declineQuestions && !declined.emplace().active())
    return {ERROR_CANCELLED, true};  // no question could be declined: nothing is done
  const int code = operate ? operate(&record) : ERROR_MOD_NOT_FOUND;
  return {code, record.fAnyOperationsAborted != FALSE};
}

// Windows' own dialog where the shell has it, else the one rundll32 shows
// on systems older than Vista. Wine has the function but not the dialog
// (E_NOTIMPL).
bool Win32FileSystem::ShowOpenWith(const std::string& path, std::uintptr_t owner) {
  using OpenWithDialog = HRESULT WINAPI(HWND, const OPENASINFO*);
  static const auto dialog = SystemFunction<OpenWithDialog>(L"shell32.dll", "SHOpenWithDialog");
  if (!dialog) return StartProgram("rundll32.exe shell32.dll,OpenAs_RunDLL " + path);
  const std::wstring file = Wide(path);
  OPENASINFO info{};
  info.pcszFile = file.c_str();
  info.oaifInFlags = OAIF_ALLOW_REGISTRATION | OAIF_EXEC;
  return dialog(reinterpret_cast<HWND>(owner), &info) != E_NOTIMPL;
}

namespace {

// The program that opens files of a type or of a programmatic identifier.
// The extension as PathFindExtension finds it: from the last dot of the
// name, if no space comes after it; "" for none.
std::wstring ExtensionOf(const std::wstring& path) {
  const std::size_t dot = path.find_last_of(L".\\ ");
  return dot != std::wstring::npos && path[dot] == L'.' ? path.substr(dot) : L"";
}

std::optional<std::wstring> OpeningProgram(const std::wstring& type) {
  wchar_t program[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  static const auto query =
      SystemFunction<decltype(AssocQueryStringW)>(L"shlwapi.dll", "AssocQueryStringW");
  if (!query || FAILED(query(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_EXECUTABLE, type.c_str(), L"open",
                             program, &size)))
    return std::nullopt;
  return program;
}

// The names of a registry key's sub-keys (values when of values).
std::vector<std::wstring> RegistryNames(const std::wstring& key, bool ofValues) {
  std::vector<std::wstring> names;
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = 256;
    const LSTATUS status =
        ofValues ? RegEnumValueW(opened, i, name, &size, nullptr, nullptr, nullptr, nullptr)
                 : RegEnumKeyExW(opened, i, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) break;
    if (size > 0) names.emplace_back(name, size);
  }
  RegCloseKey(opened);
  return names;
}

}  // namespace

// The type's default program, then those of its other identifiers and the
// applications its Open With list names, then the other applications the
// system knows, as the shell's own Open With dialog offers them.
std::vector<std::string> Win32FileSystem::ProgramsFor(const std::string& path) const {
  const std::wstring type = ExtensionOf(Wide(path));
  std::vector<std::optional<std::wstring>> found = {OpeningProgram(type)};
  for (const std::wstring& id : RegistryNames(type + L"\\OpenWithProgids", true))
    found.push_back(OpeningProgram(id));
  for (const std::wstring& application : RegistryNames(type + L"\\OpenWithList", false))
    found.push_back(OpeningProgram(L"Applications\\" + application));
  for (const std::wstring& application : RegistryNames(L"Applications", false))
    found.push_back(OpeningProgram(L"Applications\\" + application));
  std::vector<std::string> programs;
  for (const auto& program : found) {
    if (!program || program->empty()) continue;
    const std::string utf8 = Utf8(*program);
    if (std::find(programs.begin(), programs.end(), utf8) == programs.end())
      programs.push_back(utf8);
  }
  return programs;
}

void Win32FileSystem::ShowProperties(const std::string& path, std::uintptr_t owner) {
  const std::wstring file = Wide(path);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.hwnd = reinterpret_cast<HWND>(owner);
  info.lpVerb = L"properties";
  info.lpFile = file.c_str();
  info.lpParameters = L"";
  info.lpDirectory = L"";
  info.nShow = SW_HIDE;
  if (RunShellExecute(info)) {
    if (info.hProcess) CloseHandle(info.hProcess);
    return;
  }
  ShowPropertiesByContextMenu(file, reinterpret_cast<HWND>(owner));
}

}  // namespace vantiro::win32
