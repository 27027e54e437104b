#include "commands/shell_gate.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vantiro {
namespace {

constexpr std::size_t kShellPathLimit = 260;  // MAX_PATH, its closing NUL included

// The length Windows counts: UTF-16 units, two for a character past U+FFFF.
std::size_t Utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;  // not a continuation byte
    if (byte >= 0xF0) ++units;           // a four-byte sequence
  }
  return units;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// "nul.txt" and "COM1 .log" name devices too: Windows reads the name up to
// its first dot, without the spaces before it.
bool IsDeviceName(std::string_view name) {
  std::string base(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  std::ranges::transform(base, base.begin(), Upper);
  constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  if (std::ranges::find(kDevices, base) != kDevices.end()) return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

// The names of a path after its root, "x:\" or "\\"; nullopt when it has no
// root. A closing "\" gives a last empty name.
std::optional<std::vector<std::string_view>> Names(std::string_view path) {
  const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
                     Upper(path[0]) >= 'A' && Upper(path[0]) <= 'Z';
  const bool network = path.starts_with("\\\\");
  if (!drive && !network) return std::nullopt;
  std::vector<std::string_view> names;
  for (std::size_t start = drive ? 3 : 2;;) {
    const std::size_t stop = path.find('\\', start);
    names.push_back(path.substr(start, stop - start));
    if (stop == std::string_view::npos) break;
    start = stop + 1;
  }
  return names;
}

}  // namespace

std::optional<ShellRule> CheckName(std::string_view name) {
  if (name.find_first_of("*?") != std::string_view::npos) return ShellRule::Wildcard;
  if (std::ranges::any_of(name, [](char c) {
        return static_cast<unsigned char>(c) < 0x20 ||
               std::string_view("<>:\"/|").find(c) != std::string_view::npos;
      })) {
    return ShellRule::BadCharacter;
  }
  if (IsDeviceName(name)) return ShellRule::DeviceName;
  if (name.ends_with('.')) return ShellRule::EndsInDot;
  if (name.ends_with(' ')) return ShellRule::EndsInSpace;
  return std::nullopt;
}

// Of several broken rules the first in ShellRule's order is told, so that a
// name the exact calls cannot reach is never hidden behind one they can.
std::optional<ShellRefusal> CheckShellPath(std::string_view path) {
  const auto names = Names(path);
  const ShellRefusal incomplete{ShellRule::NotComplete, ShellPlace::Path, {}};
  if (!names) return incomplete;
  const bool network = path.starts_with("\\\\");
  // The item's own name is the last one, or the one before a closing "\".
  const std::size_t own =
      names->size() > 1 && names->back().empty() ? names->size() - 2 : names->size() - 1;
  if (network && own < 1) return incomplete;  // a server and a share at least
  std::optional<ShellRefusal> first;
  for (std::size_t i = 0; i < names->size(); ++i) {
    const std::string_view name = (*names)[i];
    if (name.empty()) {
      if (i <= own && !(i == 0 && names->size() == 1)) return incomplete;  // "x:\" alone is whole
      continue;
    }
    const std::optional<ShellRule> rule = CheckName(name);
    if (rule && (!first || *rule < first->rule)) {
      first =
          ShellRefusal{*rule, i == own ? ShellPlace::Name : ShellPlace::Folder, std::string(name)};
    }
  }
  if (first) return first;
  if (Utf16Length(path) >= kShellPathLimit)
    return ShellRefusal{ShellRule::TooLong, ShellPlace::Path, {}};
  return std::nullopt;
}

// Walked with a list of folders still to read, not by recursion: a chain of
// folders can be thousands deep.
std::optional<ShellRefusal> CheckShellTree(const FileSystem& fs, const std::string& folder) {
  if (auto refusal = CheckShellPath(folder)) return refusal;
  const std::optional<ItemInfo> self = fs.Examine(folder);
  if (self && self->link) return ShellRefusal{ShellRule::Link, ShellPlace::Path, {}};
  const std::size_t folderLength = Utf16Length(folder);
  std::vector<std::string> pending = {""};  // paths below the folder
  while (!pending.empty()) {
    const std::string below = std::move(pending.back());
    pending.pop_back();
    const auto entries = fs.Entries(folder + "\\" + below + (below.empty() ? "" : "\\"));
    if (!entries) {
      return ShellRefusal{ShellRule::Unreadable,
                          below.empty() ? ShellPlace::Path : ShellPlace::Inside, below};
    }
    for (const FolderEntry& entry : *entries) {
      const std::string inner = below.empty() ? entry.name : below + "\\" + entry.name;
      if (const auto rule = CheckName(entry.name))
        return ShellRefusal{*rule, ShellPlace::Inside, inner};
      if (entry.info.link) return ShellRefusal{ShellRule::Link, ShellPlace::Inside, inner};
      if (folderLength + 1 + Utf16Length(inner) >= kShellPathLimit)
        return ShellRefusal{ShellRule::TooLong, ShellPlace::Inside, inner};
      if (entry.info.folder) pending.push_back(inner);
    }
  }
  return std::nullopt;
}

bool ExactCallsReach(const ShellRefusal& refusal) {
  return refusal.rule != ShellRule::NotComplete && refusal.rule != ShellRule::Wildcard &&
         refusal.rule != ShellRule::BadCharacter;
}

std::string_view Broken(ShellRule rule) {
  static constexpr std::array<std::string_view, 9> kBroken = {
      "is not a complete path",
      "holds a wildcard (* or ?)",
      "holds a character that Windows does not allow in a name",
      "is the name of a device",
      "ends in a dot",
      "ends in a space",
      "is 260 characters or longer",
      "is a link",
      "cannot be read",
  };
  return kBroken[static_cast<std::size_t>(rule)];
}

std::string Reason(const ShellRefusal& refusal) {
  const bool ofPath = refusal.rule == ShellRule::TooLong;
  const std::string quoted = "'" + refusal.culprit + "'";
  std::string subject;
  switch (refusal.place) {
    case ShellPlace::Name:
      subject = "its name";
      break;
    case ShellPlace::Folder:
      subject = "the folder " + quoted + " on its path";
      break;
    case ShellPlace::Inside:
      subject = (ofPath ? "the path of " : "") + quoted + " inside it";
      break;
    case ShellPlace::Path:
      subject = ofPath ? "its path" : "it";
      break;
  }
  return subject + " " + std::string(Broken(refusal.rule));
}

}  // namespace vantiro
