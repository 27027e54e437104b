#include "settings/settings_files.h"

#include <utility>

#include "settings/program.h"
#include "settings/text_file.h"

namespace vantiro {
namespace {

// So many backups of one file are a sign that something else is wrong.
constexpr int kMostBackups = 99;

}  // namespace

void SettingsFiles::SetProgramDir(std::string directory) {
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  programDir_ = std::move(directory);
}

bool SettingsFiles::Save(const std::string& name, const std::string& contents) {
  const std::string path = programDir_ + name;
  const auto aside = setAside_.find(name);
  const bool mayWrite = aside == setAside_.end() || aside->second;
  if (FileHolds(fs_, path, contents) || (mayWrite && fs_.SaveFile(path, contents))) {
    unsaved_.erase(name);
    return true;
  }
  unsaved_[name] = contents;
  return false;
}

std::optional<SettingsRead> SettingsFiles::Read(const std::string& name) const {
  const auto unsaved = unsaved_.find(name);
  if (unsaved != unsaved_.end()) return SettingsRead{unsaved->second};
  const std::optional<TextPrefix> read = ReadTextPrefix(fs_, programDir_ + name);
  if (!read) return std::nullopt;
  return SettingsRead{SettingsText(read->bytes), read->whole};
}

// A backup already there, the program's or the user's, stays as it is.
std::string SettingsFiles::SetAside(const std::string& name) {
  if (setAside_.contains(name)) return {};
  const std::string path = programDir_ + name;
  std::string backup;
  for (int n = 1; n <= kMostBackups && backup.empty(); ++n) {
    const std::string name = NumberedName(path, n, ".bak");
    if (fs_.Examine(name)) continue;
    if (!fs_.RenameFile(path, name)) break;
    backup = name;
  }
  setAside_[name] = !backup.empty();
  return !backup.empty()
             ? "Part of '" + path + "' could not be read. The file as it was is kept as '" +
                   backup + "'."
             : "Part of '" + path + "' could not be read, and it could not be set aside: " +
                   "it is left as it is until Vantiro! starts again.";
}

void SettingsFiles::SayUnsaved(WindowSystem& ws) {
  ws.Beep();
  if (std::exchange(unsavedSaid_, true)) return;
  ws.MsgBox("Vantiro! cannot write its settings in '" + programDir_ +
                "': the options, the folders and the favourites of this run will not be kept.",
            msgbox::kOkOnly | msgbox::kExclamation, kAppTitle);
}

}  // namespace vantiro
