#include "chain/file_filter.h"

#include <gtest/gtest.h>

namespace vantiro {
namespace {

struct FilterRow {
  const char* filter;
  const char* name;
  bool matches;
};

TEST(FileFilter, MatchesNamesTheWayWindowsDoes) {
  const FilterRow rows[] = {{"*.*", "readme.txt", true},
                            {"*.*", "README", true},  // no dot at all
                            {"*.bmp", "Photo.BMP", true},
                            {"*.bmp", "photo.bmp.txt", false},
                            {"*.bmp;*.gif", "a.gif", true},
                            {"*.bmp;*.gif", "a.jpg", false},
                            {"a?c.txt", "abc.txt", true},
                            {"a?c.txt", "ac.txt", false},
                            {"ab?.txt", "ab.txt", true},  // a "?" before the dot may match nothing
                            {"*.", "makefile", true},
                            {"*.", "make.txt", false},
                            {"notes.*", "notes", true},
                            {"*", "x", true},
                            {"*report*", "2026 Report final.doc", true},
                            {"\xC3\x9C*",
                             "\xC3\x9C"
                             "ber.txt",
                             true},  // bytes beyond ASCII compare as they are
                            {"a&b %1 ^x.txt", "A&B %1 ^X.TXT", true},
                            {"", "a.txt", false},
                            {";", "a.txt", false},
                            {"*.txt;", "a.txt", true},
                            {"<>|", "a.txt", false},  // cannot be used: lists nothing
                            {"c:\\*.txt", "a.txt", false}};
  for (const FilterRow& row : rows) {
    EXPECT_EQ(FileFilter(row.filter).Matches(row.name), row.matches)
        << "'" << row.filter << "' on '" << row.name << "'";
  }
}

TEST(FileFilter, PathologicalPatternsStayFast) {
  const std::string name(255, 'a');
  EXPECT_FALSE(FileFilter("*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b").Matches(name));
  EXPECT_TRUE(FileFilter("*?*?*?*?*?*?*?*?*?*?*?*?*?*?*?*?*").Matches(name));
}

}  // namespace
}  // namespace vantiro
