#include "navigation/names.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <tuple>

namespace vantiro {

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

namespace {

// The character of a key at a depth, or -1 past its end.
int CharAt(const std::string& key, std::size_t depth) {
  return depth < key.size() ? static_cast<unsigned char>(key[depth]) : -1;
}

// Orders positions by their keys a character at a time (multikey
// quicksort): keys that share a long beginning, as "file 000001.txt" and
// its neighbours do, are read past it once instead of at every comparison.
void SortByKeys(std::uint32_t* order, std::size_t count, std::size_t depth,
                const std::vector<std::string>& keys) {
  while (count > 1) {
    const int pivot = CharAt(keys[order[count / 2]], depth);
    std::size_t less = 0, equal = 0,
                greater = count;  // [0,less) < [less,equal) = [greater,count) >
    while (equal < greater) {
      const int c = CharAt(keys[order[equal]], depth);
      if (c < pivot) {
        std::swap(order[less++], order[equal++]);
      } else if (c > pivot) {
        std::swap(order[equal], order[--greater]);
      } else {
        ++equal;
      }
    }
    // The two smaller parts are sorted by recursion, the largest in this
    // loop: the recursion stays as deep as the halvings of count.
    struct Part {
      std::uint32_t* order;
      std::size_t count, depth;
    };
    Part parts[] = {{order, less, depth},
                    {order + greater, count - greater, depth},
                    {order + less, pivot < 0 ? 0 : greater - less, depth + 1}};  // equal keys: done
    std::ranges::sort(parts, {}, &Part::count);
    SortByKeys(parts[0].order, parts[0].count, parts[0].depth, keys);
    SortByKeys(parts[1].order, parts[1].count, parts[1].depth, keys);
    std::tie(order, count, depth) = std::tuple(parts[2].order, parts[2].count, parts[2].depth);
  }
}

// Puts names in the order of positions.
void Arrange(std::vector<std::string>& names, const std::vector<std::uint32_t>& order) {
  std::vector<std::string> arranged;
  arranged.reserve(names.size());
  for (std::uint32_t i : order) arranged.push_back(std::move(names[i]));
  names = std::move(arranged);
}

std::vector<std::uint32_t> Positions(std::size_t count) {
  std::vector<std::uint32_t> order(count);
  std::iota(order.begin(), order.end(), 0u);
  return order;
}

}  // namespace

// Each name is lower-cased once, not at every comparison; names that differ
// only in case follow each other in one stable order, by the names as they
// are.
void SortByName(std::vector<std::string>& names) {
  std::vector<std::string> keys;
  keys.reserve(names.size());
  for (const std::string& name : names) keys.push_back(LowerCase(name));
  std::vector<std::uint32_t> order = Positions(names.size());
  SortByKeys(order.data(), order.size(), 0, keys);
  for (auto same = order.begin(); same != order.end();) {
    const auto end =
        std::find_if(same, order.end(), [&](std::uint32_t i) { return keys[i] != keys[*same]; });
    std::sort(same, end, [&](std::uint32_t a, std::uint32_t b) { return names[a] < names[b]; });
    same = end;
  }
  Arrange(names, order);
}

void SortLowerCase(std::vector<std::string>& names) {
  std::vector<std::uint32_t> order = Positions(names.size());
  SortByKeys(order.data(), order.size(), 0, names);
  Arrange(names, order);
}

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  if (name.empty()) return -1;
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

}  // namespace vantiro
