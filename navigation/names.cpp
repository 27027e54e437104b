#include "navigation/names.h"

#include <algorithm>

namespace vantiro {
namespace {

unsigned char LowerByte(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
  return text;
}

void SortByName(std::vector<std::string>& names) {
  auto less = [](const std::string& a, const std::string& b) {
    const auto byLowerByte = [](char x, char y) {
      return LowerByte(static_cast<unsigned char>(x)) < LowerByte(static_cast<unsigned char>(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byLowerByte)) {
      return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), byLowerByte)) {
      return false;
    }
    return a < b;  // names that differ only in case keep one stable order
  };
  std::sort(names.begin(), names.end(), less);
}

}  // namespace vantiro
