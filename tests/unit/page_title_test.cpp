#include "navigation/page_title.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace vantiro {
namespace {

// A file served in small pieces, so that tags and titles cross the reads;
// it may fail after a number of bytes.
class PieceFile final : public InputFile {
 public:
  explicit PieceFile(std::string text, std::size_t failAt = std::string::npos)
      : text_(std::move(text)), failAt_(failAt) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    if (offset_ >= failAt_) return -1;
    const std::size_t count = std::min({size, std::size_t{3}, text_.size() - offset_});
    std::memcpy(buffer, text_.data() + offset_, count);
    offset_ += count;
    read_ += count;
    return static_cast<std::ptrdiff_t>(count);
  }
  std::size_t read() const { return read_; }

 private:
  std::string text_;
  std::size_t failAt_;
  std::size_t offset_ = 0;
  std::size_t read_ = 0;
};

std::string TitleOf(std::string text) {
  PieceFile file(std::move(text));
  return ReadPageTitle(file);
}

TEST(PageTitle, FollowsTheTagRules) {
  struct Row {
    const char* html;
    const char* title;
  } rows[] = {
      {"<html><head><title>Home</title></head>", "Home"},
      {"<HTML><TITLE>My\r\nPage</TITLE>", "MyPage"},  // line breaks dropped
      {"<title> a\tb </title>", " ab "},
      {"<title lang=en>Skipped</title><title>Second</title>", "Second"},
      {"<p>no title here</p>", ""},
      {"", ""},
      {"<title>Runs to the end", "Runs to the end"},
      {"<title", ""},
      {"text < more <title>T</title>", ""},  // "< more <title>" is one tag
      {"<TiTlE>Mixed</title>", "Mixed"},
      {"<title>\xC3\x9C"
       "bersicht</title>",
       "\xC3\x9C"
       "bersicht"},
  };
  for (const Row& row : rows) EXPECT_EQ(TitleOf(row.html), row.title) << row.html;
}

TEST(PageTitle, AReadErrorMarksWhatWasGathered) {
  PieceFile broken("<title>Half a title</title>", 12);
  EXPECT_EQ(ReadPageTitle(broken), "Half *");  // 12 bytes arrived
  PieceFile unreadable("<title>x</title>", 0);
  EXPECT_EQ(ReadPageTitle(unreadable), "*");
}

TEST(PageTitle, StopsReadingAtTheEndOfTheTitle) {
  PieceFile file("<title>Short</title>" + std::string(1 << 20, 'x'));
  EXPECT_EQ(ReadPageTitle(file), "Short");
  EXPECT_LT(file.read(), 100u);
}

TEST(PageTitle, BinaryAndHugeFilesGiveABoundedTitle) {
  std::string binary(1 << 20, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7919 % 256);
  const std::string title = TitleOf("<title>" + binary);
  EXPECT_LE(title.size(), kMaxTitleLength);
  EXPECT_TRUE(std::none_of(title.begin(), title.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 32 || c == '<'; }));
}

}  // namespace
}  // namespace vantiro
