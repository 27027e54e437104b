#include "settings/settings_files.h"

#include "settings/legacy_text.h"
#include "settings/text_file.h"

namespace vantiro {

void SettingsFiles::SetProgramDir(std::string directory) {
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  programDir_ = std::move(directory);
}

bool SettingsFiles::Save(const std::string& name, const std::string& contents) {
  const std::string path = programDir_ + name;
  if (ReadTextFile(fs_, path) == contents || fs_.SaveFile(path, contents)) {
    unsaved_.erase(name);
    return true;
  }
  unsaved_[name] = contents;
  return false;
}

std::optional<std::string> SettingsFiles::Read(const std::string& name) const {
  const auto unsaved = unsaved_.find(name);
  if (unsaved != unsaved_.end()) return unsaved->second;
  std::optional<std::string> contents = ReadTextFile(fs_, programDir_ + name);
  if (contents) *contents = FromLegacyText(*contents);
  return contents;
}

}  // namespace vantiro
