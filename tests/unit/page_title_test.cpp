#include "chain/page_title.h"

#include "chain/html_text.h"
#include "preview/file_details.h"
#include "settings/legacy_text.h"
#include "tests/doubles/temp_drives.h"

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

// Other character sets through iconv, as the system converts them.
std::string Title(InputFile& file) {
  static const fake::TempDrives drives;
  return ReadPageTitle(file, [](std::string_view bytes, const std::string& charset) {
    return drives.DecodeText(bytes, charset);
  });
}

std::string TitleOf(std::string text) {
  PieceFile file(std::move(text));
  return Title(file);
}

TEST(PageTitle, FollowsTheTagRules) {
  struct Row {
    const char* html;
    const char* title;
  } rows[] = {{"<html><head><title>Home</title></head>", "Home"},
              {"<HTML><TITLE>Fixes-\r\nGNU</TITLE>", "Fixes- GNU"},  // a line break is a space
              {"<title> \t windows-1256 \n</title>", "windows-1256"},
              {"<title lang=\"en\">First</title><title>Second</title>", "First"},
              {"<TITLE\n>DocBook</TITLE\n>", "DocBook"},
              {"<title>a < b</title>", "a < b"},
              {"<style>s</style><title>T</title>", "T"},
              {"<!-- <title>old</title> --><title>New</title>", "New"},
              {"<script>w('<title>x</title>')</script><title>T</title>", "T"},
              {"<meta content='a>b'><title>T</title>", "T"},
              {"<p>no title here</p>", ""},
              {"", ""},
              {"<title>Runs to the end", "Runs to the end"},
              {"<title", ""},
              {"text < more <title>T</title>", "T"},
              {"<TiTlE>Mixed</title>", "Mixed"},
              {"<head></head><body><title>In the body</title>", ""},  // the head is over
              {"<BODY\nclass=x><title>T</title>", ""},
              {"<bodyguard><title>T</title>", "T"},
              {"<title>\xC3\x9C"
               "bersicht</title>",
               "\xC3\x9C"
               "bersicht"}};
  for (const Row& row : rows) EXPECT_EQ(TitleOf(row.html), row.title) << row.html;
}

// References as a browser decodes them in text: named, with or without the
// ";" a Latin-1 name may lack, decimal and hexadecimal, 128 to 159 as
// Windows-1252, nothing out of Unicode.
TEST(PageTitle, DecodesCharacterReferences) {
  const std::pair<const char*, const char*> rows[] = {
      {"IDLE &#8212; Python", "IDLE \u2014 Python"},
      {"Option &amp; unwrap", "Option & unwrap"},
      {"&lt;b&gt; &quot;q&quot; &apos;a&apos;", "<b> \"q\" 'a'"},
      {"&copy 2024 &notit; &rsquo;s &eacute;t&eacute;",
       "\u00a9 2024 \u00acit; \u2019s \u00e9t\u00e9"},
      {"&#x2014;&#X41;&#65&#128;&#0;&#xD800;&#99999999;", "\u2014AA\u20ac\ufffd\ufffd\ufffd"},
      {"a&nbsp;&nbsp;b &#10; c", "a\u00a0\u00a0b c"},
      {"R&D &unknown; &# &", "R&D &unknown; &# &"},
      {"&lang;x&rang; &Omega;&omega;&hearts;", "\u27e8x\u27e9 \u03a9\u03c9\u2665"},
      {"&Scaron;&#xA9;", "\u0160\u00a9"}};
  for (const auto& [text, shown] : rows) EXPECT_EQ(HtmlText(text), shown) << text;
}

// The page's character set: a byte-order mark, else a <meta> of the head,
// else UTF-8 where the bytes are, else Windows-1252.
TEST(PageTitle, ReadsThePagesCharacterSet) {
  const std::pair<std::string, const char*> rows[] = {
      {"<META Charset=\"Shift_JIS\"><title>\x93\xfa\x96\x7b</title>", "\u65e5\u672c"},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">"
       "<title>\xc6\xfc\xcb\xdc</title>",
       "\u65e5\u672c"},
      {"<meta charset=iso-8859-1><title>\xc3\xa9</title>", "\u00c3\u00a9"},
      {"<meta charset=utf-8><title>caf\xe9</title>", "caf\ufffd"},
      {"<meta charset=no-such-set><title>caf\xe9</title>", "caf\u00e9"},
      {"<meta data-charset xshift_jis><link charset=shift_jis><title>\x93\xfa</title>",
       "\u201c\u00fa"},  // a <meta>'s charset alone, and with its value
      {"\xEF\xBB\xBF<meta charset=windows-1252><title>\xc3\xa9</title>", "\u00e9"},
      {std::string("\xFF\xFE<\0t\0i\0t\0l\0e\0>\0=\xD8\0\xDE\x41\0", 22), "\U0001f600A"},
      {std::string("\xFE\xFF\0<\0t\0i\0t\0l\0e\0>\0\xe9\0<", 19), "\u00e9"}};
  for (const auto& [page, title] : rows) EXPECT_EQ(TitleOf(page), title) << page;
}

TEST(PageTitle, AReadErrorMarksWhatWasGathered) {
  PieceFile broken("<title>Half a title</title>", 12);
  EXPECT_EQ(Title(broken), "Half*");  // 12 bytes arrived
  PieceFile unreadable("<title>x</title>", 0);
  EXPECT_EQ(Title(unreadable), "*");
}

TEST(PageTitle, StopsReadingAtTheEndOfTheTitleOrOfTheHead) {
  PieceFile file("<title>Short</title>" + std::string(1 << 20, 'x'));
  EXPECT_EQ(Title(file), "Short");
  EXPECT_LT(file.read(), 100u);
  PieceFile huge(std::string(kPageHeadLimit, ' ') + "<title>Too late</title>");
  EXPECT_EQ(Title(huge), "");
  EXPECT_EQ(huge.read(), kPageHeadLimit);
}

TEST(PageTitle, BinaryAndHugeFilesGiveABoundedTitle) {
  std::string binary(1 << 20, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7919 % 256);
  const std::string title = TitleOf("<title>" + binary);
  EXPECT_LE(title.size(), kMaxTitleLength);
  EXPECT_TRUE(IsUtf8(title)) << "read as Windows-1252";
  EXPECT_TRUE(std::none_of(title.begin(), title.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 32; }));
}

// A file's beginning as lines: in any of three encodings, line ends dropped,
// at most 200 lines; no text for bytes that are none.
TEST(FileDetails, TextLinesReadTheThreeEncodings) {
  const std::pair<std::string, std::optional<std::string>> rows[] = {
      {"a\r\nb\n\nc", "a\nb\n\nc\n"},
      {"\xEF\xBB\xBF"
       "caf\xC3\xA9\tx",
       "caf\xC3\xA9\tx\n"},
      {"caf\xE9", "caf\xC3\xA9\n"},
      {std::string("\xFF\xFEh\0\x3C\x04\n\0", 8), "h\xD0\xBC\n"},
      {std::string("\xFE\xFF\xD8\x3D\xDE\x00\xD8\x00", 8), "\xF0\x9F\x98\x80\xEF\xBF\xBD\n"},
      {std::string("\xFE\xFF\x08\x00\xD8\x3D\xDE", 7), "\xE0\xA0\x80\xEF\xBF\xBD\n"},
      {std::string("a\0b", 3), std::nullopt},
      {"\x1B[0m", std::nullopt},
      {"", ""}};
  for (const auto& [bytes, lines] : rows) EXPECT_EQ(TextLines(bytes, false), lines) << bytes;
  EXPECT_EQ(TextLines("caf\xE2\x82", true), "caf\n") << "a character cut by the read";
  EXPECT_EQ(std::ranges::count(TextLines(std::string(300, '\n'), false).value_or(""), '\n'), 200);
  EXPECT_EQ(SizeText(1234567) + ", " + SizeText(1), "1,234,567 bytes, 1 byte");
  EXPECT_EQ(ChangedText({0, 2026, 12, 9, 7, 5}), "2026-12-09 07:05");
}

// Valid UTF-8 is kept; anything else is Windows-1252, whole.
TEST(LegacyText, KeepsUtf8AndTurnsWindows1252IntoIt) {
  const std::pair<std::string, std::string> rows[] = {
      {"plain", "plain"},
      {"Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\x81", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\x81"},
      {"Caf\xE9", "Caf\xC3\xA9"},
      {"\x80\x81\x9F\xA0\xFF", "\xE2\x82\xAC\xC2\x81\xC5\xB8\xC2\xA0\xC3\xBF"},
      {"\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},      // mixed: all of it 1252
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                  // overlong "/"
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // a surrogate
      {"\xF0\x90\x80\x80", "\xF0\x90\x80\x80"},          // U+10000, the first of four bytes
      {"\xE0\xA0\x80", "\xE0\xA0\x80"},                  // U+0800, the first of three
      {"\xEF\xBF\xBD", "\xEF\xBF\xBD"},                  // U+FFFD, of the last lead of three
      {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},          // U+10FFFF, the last
      {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},  // beyond U+10FFFF
      {"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"}                               // cut short
  };
  for (const auto& [bytes, utf8] : rows) EXPECT_EQ(FromLegacyText(bytes), utf8) << bytes;
  EXPECT_EQ(FromLegacyPrefix("ab\xE2\x82"), "ab") << "cut by the reader, not 1252";
  EXPECT_EQ(Utf8Prefix("a\xE2\x82\xAC"
                       "b",
                       3),
            1u);
  EXPECT_EQ(TitleOf("<title>Caf\xE9</title>"), "Caf\xC3\xA9");
  EXPECT_EQ(TitleOf("<title>" + std::string(5000, '\x80')).size(), 4095u) << "whole euro signs";
}

}  // namespace
}  // namespace vantiro
