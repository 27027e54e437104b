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
#include "platform/window_system.h"

namespace vantiro {

// A settings file's text (SettingsText), as far as it could be read.
struct SettingsRead {
  std::string text;
  bool whole = true;  // false when it stopped at bytes that are no text
};

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
  // file's text as far as it could be read.
  std::optional<SettingsRead> Read(const std::string& name) const;
  // A file the program could not read whole is moved, as it stands, to the
  // first backup name not taken ("Favorites.bak", "Favorites (2).bak"...)
  // before anything writes in its place; where it cannot be moved, it is not
  // written at all this run. The first time in a run, what to tell the user;
  // later, "".
  std::string SetAside(const std::string& name);
  void KeepUnsaved(const std::string& name, std::string contents) {
    unsaved_[name] = std::move(contents);
  }
  void Forget(const std::string& name) { unsaved_.erase(name); }
  // After a save that failed: a beep, and the first time in a run, a word
  // that the settings of this run will not be kept.
  void SayUnsaved(WindowSystem& ws);

 private:
  FileSystem& fs_;
  std::string programDir_;
  std::map<std::string, std::string> unsaved_;
  std::map<std::string, bool> setAside_;  // whether it could be moved
  bool unsavedSaid_ = false;
};

}  // namespace vantiro
