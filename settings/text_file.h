// The program's settings files: one value a line, lines ended by CR LF, in
// the ANSI code page. Integers and numbers are plain decimal, booleans
// "#TRUE#" or "#FALSE#", texts between double quotes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace vantiro {

class TextFileWriter {
 public:
  void Integer(std::int64_t value);
  void Boolean(bool value);
  void Text(std::string_view text);

  const std::string& contents() const { return contents_; }

 private:
  void Line(std::string_view line);

  std::string contents_;
};

// Reads values line by line. Each read takes the next line and gives nullopt
// when there is none or it holds no value of that kind (a number out of
// range included). Lines may end in CR LF, LF or CR.
class TextFileReader {
 public:
  explicit TextFileReader(std::string contents) : contents_(std::move(contents)) {}

  std::optional<std::int16_t> Int16();
  std::optional<std::int32_t> Int32();
  std::optional<float> Single();
  std::optional<bool> Boolean();
  std::optional<std::string> Text();
  // The next line as it stands, without its line end.
  std::optional<std::string_view> NextLine();

  // The text of a line: between its double quotes, or, without them, the
  // line as it stands. nullopt for a line that holds a control character or
  // a double quote inside: no text the program writes does.
  static std::optional<std::string> ParseText(std::string_view line);

 private:
  template <typename Int>
  std::optional<Int> Integer();

  std::string contents_;
  std::size_t position_ = 0;
};

// A settings file's bytes up to the first that is no text: a control
// character other than a tab or a line end, or a line longer than any the
// program writes. Nothing after it is read, so memory follows what is kept,
// whatever the file's size.
struct TextPrefix {
  std::string bytes;
  bool whole = true;  // false when the reading stopped before the end
};
// nullopt when the file cannot be opened or read.
std::optional<TextPrefix> ReadTextPrefix(const FileSystem& fs, const std::string& path);

// Whether a file holds exactly contents; it is read no further than they go.
bool FileHolds(const FileSystem& fs, const std::string& path, std::string_view contents);

// The text of a settings file's bytes: a UTF-8 byte-order mark is dropped,
// and an older installation's Windows-1252 is turned into UTF-8.
std::string SettingsText(std::string_view bytes);

}  // namespace vantiro
