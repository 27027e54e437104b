// The files the program keeps beside itself ("Config", "Favorites"). One
// that cannot be written stays in memory in its place for the rest of the
// run, so that a refresh, which reads it back, loses nothing; one that
// already holds the contents is not written again (box 0 saves its
// favourites at every return to it, and each write costs a flush).
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace vantiro {

class SettingsFiles {
 public:
  explicit SettingsFiles(FileSystem& fs) : fs_(fs) {}

  // The program directory, ending in "\": the process's current directory
  // at start-up.
  const std::string& ProgramDir() const { return programDir_; }
  void SetProgramDir(std::string directory);

  // False when the file could not be written: its contents are kept.
  bool Save(const std::string& name, const std::string& contents);
  // The contents kept in place of a file that could not be written, or the
  // file's text (SettingsText).
  std::optional<std::string> Read(const std::string& name) const;
  // A file the program could not read whole is copied as it stands to
  // name + ".bak" before anything writes it; where no copy can be made, it
  // is not written at all this run. The first time in a run, what to tell
  // the user; later, "".
  std::string SetAside(const std::string& name);
  void KeepUnsaved(const std::string& name, std::string contents) {
    unsaved_[name] = std::move(contents);
  }
  void Forget(const std::string& name) { unsaved_.erase(name); }

 private:
  FileSystem& fs_;
  std::string programDir_;
  std::map<std::string, std::string> unsaved_;
  std::map<std::string, bool> setAside_;  // whether the copy was made
};

}  // namespace vantiro
