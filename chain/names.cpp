#include "chain/names.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <span>
#include <utility>

#include "settings/legacy_text.h"

namespace vantiro {

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string FolderRow(std::string_view name) { return LowerCase(std::string(name)); }

bool EndsIn(std::string_view name, std::string_view ending) {
  if (name.size() < ending.size()) return false;
  return LowerCase(std::string(name.substr(name.size() - ending.size()))) == ending;
}

bool IsProgram(std::string_view name) {
  return EndsIn(name, ".exe") || EndsIn(name, ".bat") || EndsIn(name, ".com");
}

std::string FileRow(std::string_view name) {
  std::string row(name);
  if (!IsProgram(row)) return row;
  for (std::size_t i = row.size() - 4; i < row.size(); ++i) {
    if (row[i] >= 'a' && row[i] <= 'z') row[i] = static_cast<char>(row[i] - 'a' + 'A');
  }
  return row;
}

namespace {

// Eight characters of a name from a depth on, lower-cased and packed in one
// number that orders as they do; a name that ends sooner is padded with 0,
// which no name holds.
std::uint64_t ChunkAt(const std::string& name, std::size_t depth) {
  std::uint64_t chunk = 0;
  for (std::size_t i = depth; i < depth + 8; ++i) {
    const unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0u;
    chunk = chunk << 8 | (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  return chunk;
}

// Orders positions by their names eight characters at a time: the sort
// reads the numbers from one array rather than the names from all over
// memory, and only the runs that tie go on to the next eight characters.
void SortByChunks(std::span<std::uint32_t> order, std::size_t depth,
                  const std::vector<std::string>& names) {
  struct Ranked {
    std::uint64_t chunk;
    std::uint32_t position;
  };
  std::vector<Ranked> ranked;
  ranked.reserve(order.size());
  for (std::uint32_t i : order) ranked.push_back({ChunkAt(names[i], depth), i});
  std::ranges::sort(ranked, {}, &Ranked::chunk);
  for (std::size_t i = 0; i < ranked.size(); ++i) order[i] = ranked[i].position;
  for (std::size_t run = 0, end = 0; run < ranked.size(); run = end) {
    while (end < ranked.size() && ranked[end].chunk == ranked[run].chunk) ++end;
    if (end - run < 2) continue;
    const std::span<std::uint32_t> tied = order.subspan(run, end - run);
    if ((ranked[run].chunk & 0xff) != 0) {
      SortByChunks(tied, depth + 8, names);
    } else {  // the names ended here, equal but for case
      std::ranges::sort(tied, {}, [&](std::uint32_t i) -> const std::string& { return names[i]; });
    }
  }
}

// Puts names in the order of positions (order[i] is the name to go to i),
// in place, a cycle of moves at a time; each position done is marked.
void Arrange(std::vector<std::string>& names, std::vector<std::uint32_t>& order) {
  constexpr std::uint32_t kDone = UINT32_MAX;
  for (std::uint32_t start = 0; start < order.size(); ++start) {
    if (order[start] == kDone) continue;
    std::string first = std::move(names[start]);
    std::uint32_t to = start;
    while (order[to] != start) {
      names[to] = std::move(names[order[to]]);
      to = std::exchange(order[to], kDone);
    }
    names[to] = std::move(first);
    order[to] = kDone;
  }
}

std::vector<std::uint32_t> Positions(std::size_t count) {
  std::vector<std::uint32_t> order(count);
  std::iota(order.begin(), order.end(), 0u);
  return order;
}

}  // namespace

// Names that differ only in case follow each other in one stable order, by
// the names as they are.
void SortByName(std::vector<std::string>& names) {
  std::vector<std::uint32_t> order = Positions(names.size());
  SortByChunks(order, 0, names);
  Arrange(names, order);
}

namespace {

std::u32string UpperCharacters(std::string_view text) {
  std::u32string characters;
  while (!text.empty()) characters += UpperCase(TakeCharacter(text));
  return characters;
}

bool BeginsWith(std::string_view name, std::u32string_view upperWord) {
  for (const char32_t c : upperWord) {
    if (name.empty() || UpperCase(TakeCharacter(name)) != c) return false;
  }
  return true;
}

// The first entry from start on, round to the top, that begins with the word.
int FirstBeginning(const std::vector<std::string>& entries, std::u32string_view upperWord,
                   std::size_t start) {
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const std::size_t index = (start + k) % entries.size();
    if (BeginsWith(entries[index], upperWord)) return static_cast<int>(index);
  }
  return -1;
}

}  // namespace

int TypedEntry(const std::vector<std::string>& entries, const std::string& typed, int current) {
  const std::u32string word = UpperCharacters(typed);
  const int found = FirstBeginning(entries, word, 0);
  if (found >= 0 || word.size() < 2 || word.find_first_not_of(word[0]) != word.npos) return found;
  return FirstBeginning(entries, word.substr(0, 1), current >= 0 ? std::size_t(current) + 1 : 0);
}

std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.find_last_of('\\') + 1);
}

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  if (name.empty()) return -1;
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

}  // namespace vantiro
