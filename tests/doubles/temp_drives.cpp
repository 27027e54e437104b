#include "tests/doubles/temp_drives.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace vantiro::fake {
namespace fs = std::filesystem;
namespace {

class HostFile final : public InputFile {
 public:
  explicit HostFile(const fs::path& path) : stream_(path, std::ios::binary) {}
  bool is_open() const { return stream_.is_open(); }
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    stream_.read(buffer, static_cast<std::streamsize>(size));
    return stream_.bad() ? -1 : static_cast<std::ptrdiff_t>(stream_.gcount());
  }

 private:
  std::ifstream stream_;
};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// The entry of a folder whose name matches, ignoring case; the name as
// given when there is none yet.
fs::path Child(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (fs::exists(folder / name, error)) return folder / name;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (SameName(entry.path().filename().string(), name)) return entry.path();
  }
  return folder / name;
}

}  // namespace

TempDrives::TempDrives() {
  std::string pattern = (fs::temp_directory_path() / "vantiro-drives-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  root_ = pattern;
}

TempDrives::~TempDrives() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void TempDrives::AddDrive(char letter, std::string label) {
  letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  drives_[letter] = {std::move(label), true};
  fs::create_directories(root_ / std::string(1, letter));
}

void TempDrives::AddNotReadyDrive(char letter) {
  drives_[static_cast<char>(std::tolower(static_cast<unsigned char>(letter)))] = {{}, false};
}

fs::path TempDrives::HostPath(const std::string& windowsPath) const {
  if (windowsPath.size() < 2 || windowsPath[1] != ':') return {};
  const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
  if (!drives_.contains(letter)) return {};
  fs::path host = root_ / std::string(1, letter);
  std::size_t start = 2;
  while (start < windowsPath.size()) {
    std::size_t end = windowsPath.find('\\', start);
    if (end == std::string::npos) end = windowsPath.size();
    if (end > start) host = Child(host, windowsPath.substr(start, end - start));
    start = end + 1;
  }
  return host;
}

void TempDrives::MakeFolders(const std::string& windowsPath) {
  fs::create_directories(HostPath(windowsPath));
}

void TempDrives::MakeFile(const std::string& windowsPath, std::string_view contents) {
  std::ofstream(HostPath(windowsPath), std::ios::binary) << contents;
}

void TempDrives::Remove(const std::string& windowsPath) { fs::remove_all(HostPath(windowsPath)); }

std::vector<std::string> TempDrives::Drives() const {
  std::vector<std::string> drives;
  for (const auto& [letter, drive] : drives_) {
    std::string text{letter, ':'};
    if (!drive.label.empty()) text += " [" + drive.label + "]";
    drives.push_back(text);
  }
  return drives;
}

template <typename Keep>
std::optional<std::vector<std::string>> TempDrives::List(const std::string& path, Keep keep) const {
  if (path.size() < 2) return std::nullopt;
  auto drive = drives_.find(static_cast<char>(std::tolower(static_cast<unsigned char>(path[0]))));
  if (drive == drives_.end() || !drive->second.ready) return std::nullopt;
  std::error_code error;
  fs::directory_iterator entries(HostPath(path), error);
  if (error) return std::nullopt;
  std::vector<std::string> names;
  for (const auto& entry : entries) {
    if (keep(entry)) names.push_back(entry.path().filename().string());
  }
  return names;
}

std::optional<std::vector<std::string>> TempDrives::SubFolders(const std::string& path) const {
  auto names = List(path, [](const fs::directory_entry& entry) { return entry.is_directory(); });
  if (!names) return names;
  const std::string folder = path.ends_with('\\') ? path : path + '\\';
  for (std::string& name : *names) name = folder + name;
  return names;
}

std::optional<std::vector<std::string>> TempDrives::FileNames(const std::string& path) const {
  if (path == failingFileNames_) return std::nullopt;
  return List(path, [](const fs::directory_entry& entry) { return !entry.is_directory(); });
}

std::unique_ptr<InputFile> TempDrives::OpenForReading(const std::string& path) const {
  const fs::path host = HostPath(path);
  std::error_code error;
  if (host.empty() || !fs::is_regular_file(host, error)) return nullptr;
  auto file = std::make_unique<HostFile>(host);
  if (!file->is_open()) return nullptr;
  return file;
}

bool TempDrives::SaveFile(const std::string& path, const std::string& contents) {
  const fs::path host = HostPath(path);
  if (saveFails || host.empty()) return false;
  std::ofstream file(host, std::ios::binary | std::ios::trunc);
  return static_cast<bool>(file << contents);
}

bool TempDrives::RemoveFile(const std::string& path) {
  std::error_code error;
  const fs::path host = HostPath(path);
  return !host.empty() && fs::is_regular_file(host, error) && fs::remove(host, error);
}

bool TempDrives::StartProgram(const std::string& commandLine) {
  startedPrograms.push_back(commandLine);
  return !startFails;
}

std::string TempDrives::Contents(const std::string& windowsPath) const {
  std::ostringstream contents;
  contents << std::ifstream(HostPath(windowsPath), std::ios::binary).rdbuf();
  return contents.str();
}

ShellFileResult TempDrives::RunShellFileOperation(const ShellFileOperation& operation) {
  constexpr int kMissingSource = 1026;
  shellOperations.push_back(operation);
  const fs::path from = HostPath(operation.from);
  std::error_code error;
  if (from.empty() || !fs::is_regular_file(from, error)) return {kMissingSource, false};
  const fs::path to = HostPath(operation.to) / from.filename();
  if (fs::exists(to, error)) return {0, true};
  fs::copy_file(from, to, error);
  return {error ? 1 : 0, false};
}

}  // namespace vantiro::fake
