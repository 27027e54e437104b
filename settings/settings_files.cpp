#include "settings/settings_files.h"

#include "settings/text_file.h"

namespace vantiro {

void SettingsFiles::SetProgramDir(std::string directory) {
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  programDir_ = std::move(directory);
}

bool SettingsFiles::Save(const std::string& name, const std::string& contents) {
  const std::string path = programDir_ + name;
  const auto aside = setAside_.find(name);
  const bool mayWrite = aside == setAside_.end() || aside->second;
  if (ReadTextFile(fs_, path) == contents || (mayWrite && fs_.SaveFile(path, contents))) {
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
  if (contents) *contents = SettingsText(*contents);
  return contents;
}

std::string SettingsFiles::SetAside(const std::string& name) {
  if (setAside_.contains(name)) return {};
  const std::string path = programDir_ + name;
  const std::optional<std::string> bytes = ReadTextFile(fs_, path);
  const bool kept = bytes && fs_.SaveFile(path + ".bak", *bytes);
  setAside_[name] = kept;
  return kept ? "Part of '" + path + "' could not be read. The file as it was is kept as '" + path +
                    ".bak'."
              : "Part of '" + path + "' could not be read, and no copy of it could be made: " +
                    "it is left as it is until Vantiro! starts again.";
}

}  // namespace vantiro
