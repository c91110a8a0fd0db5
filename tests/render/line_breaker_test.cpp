#include "render/line_breaker.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace trot {
namespace {

using Lines = std::vector<std::pair<std::string, std::size_t>>;

Lines describe(const std::vector<Span>& spans) {
  Lines lines;
  for (const Span& span : spans) lines.emplace_back(std::string(span.text), span.width);
  return lines;
}

Lines tokens(std::string_view text) {
  std::vector<Span> spans;
  while (!text.empty() && text.front() != '\0') spans.push_back(nextToken(text));
  return describe(spans);
}

const std::string kWide = "\xe6\xbc\xa2";   // a CJK ideograph, two columns
const std::string kWide2 = "\xe5\xad\x97";  // another one
const std::string kAcute = "\xcc\x81";      // combining acute accent
const std::string kRed = "\x1b[38;2;255;0;0m";

TEST(LineBreaker, BreaksLines) {
  struct Case {
    const char* what;
    std::string text;
    std::size_t width;
    Lines expected;
  };
  const std::string x300(300, 'x');
  const Case cases[] = {
      {"words fill each line to the width", "Rain in Meadowlark, apples in the orchards", 12,
       {{"Rain in ", 8}, {"Meadowlark, ", 12}, {"apples in ", 10}, {"the orchards", 12}}},
      {"long word cut, no empty line first", "abcdefghijkl", 5, {{"abcde", 5}, {"fghij", 5}, {"kl", 2}}},
      {"word of 300 columns", x300, 100,
       {{x300.substr(0, 100), 100}, {x300.substr(0, 100), 100}, {x300.substr(0, 100), 100}}},
      {"line breaks are hard, the last one draws nothing", "ab\n\ncd\n", 10, {{"ab\n", 2}, {"\n", 0}, {"cd\n", 2}}},
      {"CR LF is one break, a lone CR takes no column", "a\r\nb\rc", 10, {{"a\r\n", 1}, {"b\rc", 2}}},
      {"a full line ends at the break after it", "abcdefgh\t\nx", 10, {{"abcdefgh\t\n", 10}, {"x", 1}}},
      {"escapes after the last break stay on the last line", "ab\n\x1b[0m", 10, {{"ab\n\x1b[0m", 2}}},
      {"tabs reach the next multiple of 8", "a\tbc\td", 80, {{"a\tbc\td", 17}}},
      {"a tab stops at the end of the line", "abcdefgh\tx", 10, {{"abcdefgh\t", 10}, {"x", 1}}},
      {"colour escapes take no room", kRed + "red\x1b[0m text", 8, {{kRed + "red\x1b[0m text", 8}}},
      {"other sequences end where terminals end them", "x\x1b[2Jy and more", 80, {{"x\x1b[2Jy and more", 11}}},
      {"a hyperlink is its text", "\x1b]8;;http://a.b/\x1b\\link\x1b]8;;\x07!", 80,
       {{"\x1b]8;;http://a.b/\x1b\\link\x1b]8;;\x07!", 5}}},
      {"escape at the cut moves on", "abc" + kRed + "def", 3, {{"abc", 3}, {kRed + "def", 3}}},
      {"NUL ends the text", std::string("ab\0cd", 5), 10, {{"ab", 2}}},
      {"NUL first gives no line", std::string("\0ab", 3), 10, {}},
      {"wide characters are never halved", "ab " + kWide + kWide2 + kWide + kWide2, 5,
       {{"ab ", 3}, {kWide + kWide2, 4}, {kWide + kWide2, 4}}},
      {"combining marks stay with their letter", "e" + kAcute + "e" + kAcute + "e" + kAcute, 2,
       {{"e" + kAcute + "e" + kAcute, 2}, {"e" + kAcute, 1}}},
      {"zero-width space and broken UTF-8", "a\xe2\x80\x8b" "b\xe2\x82" "c", 80, {{"a\xe2\x80\x8b" "b\xe2\x82" "c", 5}}},
      {"width 1 still places a wide character", kWide + "a", 1, {{kWide, 2}, {"a", 1}}},
      {"a cut-off remainder without columns stays", kWide + "\x1b[0m", 1, {{kWide + "\x1b[0m", 2}}},
      {"width 0 places one character a line", "ab", 0, {{"a", 1}, {"b", 1}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(describe(breakLines(c.text, c.width)), c.expected) << c.what;
  }
}

TEST(LineBreaker, MeasuresTheWidthLinesNeed) {
  struct Case {
    std::string text;
    std::size_t max;
    std::size_t expected;
  };
  const Case cases[] = {
      {"abc def", 80, 7},
      {"abc def", 5, 5},
      {std::string(300, 'x'), 255, 255},  // would fit if the width wrapped to 44
      {kWide + kWide2, 80, 4},
      {std::string("\0abc", 4), 10, 0},
      {"ab\ncdef\ng\n", 80, 4},  // the widest line
      {"a\tb", 80, 9},
      {"a\tb", 5, 5},
  };
  for (const Case& c : cases) EXPECT_EQ(measureWidth(c.text, c.max), c.expected) << c.text;
}

TEST(LineBreaker, SplitsTokensAfterBreakCharacters) {
  EXPECT_EQ(tokens("(x)"), (Lines{{"(", 1}, {"x)", 2}}));
  EXPECT_EQ(tokens("a\nb\r\n"), (Lines{{"a", 1}, {"\n", 0}, {"b", 1}, {"\r\n", 0}}));
  EXPECT_EQ(tokens("a/b\\c{d}"), (Lines{{"a/", 2}, {"b\\", 2}, {"c{", 2}, {"d}", 2}}));
  // U+0120 ends in the byte of a space but is a letter.
  EXPECT_EQ(tokens("\xc4\xa0" "b c"), (Lines{{"\xc4\xa0" "b ", 3}, {"c", 1}}));
  EXPECT_EQ(tokens("a\rb\x1b(0c d"), (Lines{{"a\rb\x1b(0c ", 4}, {"d", 1}}));
  EXPECT_EQ(tokens(kWide + kAcute + " z"), (Lines{{kWide + kAcute + " ", 3}, {"z", 1}}));
  EXPECT_EQ(tokens("ab\t\tc"), (Lines{{"ab\t\t", 16}, {"c", 1}}));
}

}  // namespace
}  // namespace trot
