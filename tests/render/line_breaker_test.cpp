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
      {"words too wide to share a line", "Hello there, little pony", 10,
       {{"Hello ", 6}, {"there, ", 7}, {"little ", 7}, {"pony", 4}}},
      {"long word cut, empty first line", "abcdefghijkl", 5, {{"", 0}, {"abcde", 5}, {"fghij", 5}, {"kl", 2}}},
      {"line feed stays inside", "a\nb", 10, {{"a\nb", 2}}},
      {"word of 300 columns", x300, 100,
       {{"", 0}, {x300.substr(0, 100), 100}, {x300.substr(0, 100), 100}, {x300.substr(0, 100), 100}}},
      {"colour escapes take no room", kRed + "red\x1b[0m text", 8, {{kRed + "red\x1b[0m text", 8}}},
      {"escape at the cut moves on", "abc" + kRed + "def", 3, {{"", 0}, {"abc", 3}, {kRed + "def", 3}}},
      {"NUL ends the text", std::string("ab\0cd", 5), 10, {{"ab", 2}}},
      {"NUL first gives no line", std::string("\0ab", 3), 10, {}},
      {"wide characters are never halved", "ab " + kWide + kWide2 + kWide + kWide2, 5,
       {{"ab ", 3}, {kWide + kWide2, 4}, {kWide + kWide2, 4}}},
      {"combining marks stay with their letter", "e" + kAcute + "e" + kAcute + "e" + kAcute, 2,
       {{"", 0}, {"e" + kAcute + "e" + kAcute, 2}, {"e" + kAcute, 1}}},
      {"width 1 still places a wide character", kWide + "a", 1, {{"", 0}, {kWide, 2}, {"a", 1}}},
      {"a cut-off remainder without columns stays", kWide + "\x1b[0m", 1, {{"", 0}, {kWide + "\x1b[0m", 2}}},
      {"width 0 places one character a line", "ab", 0, {{"", 0}, {"a", 1}, {"b", 1}}},
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
  };
  for (const Case& c : cases) EXPECT_EQ(measureWidth(c.text, c.max), c.expected) << c.text;
}

TEST(LineBreaker, SplitsTokensAfterBreakCharacters) {
  EXPECT_EQ(tokens("(x)"), (Lines{{"(", 1}, {"x)", 2}}));
  EXPECT_EQ(tokens("a\nb"), (Lines{{"a\n", 1}, {"b", 1}}));
  EXPECT_EQ(tokens("a/b\\c{d}"), (Lines{{"a/", 2}, {"b\\", 2}, {"c{", 2}, {"d}", 2}}));
  // U+0120 ends in the byte of a space but is a letter.
  EXPECT_EQ(tokens("\xc4\xa0" "b c"), (Lines{{"\xc4\xa0" "b ", 3}, {"c", 1}}));
  EXPECT_EQ(tokens("a\rb c"), (Lines{{"a\rb ", 4}, {"c", 1}}));
  EXPECT_EQ(tokens(kWide + kAcute + " z"), (Lines{{kWide + kAcute + " ", 3}, {"z", 1}}));
}

TEST(LineBreaker, SkipsUnderstoodEscapesAndRefusesOthers) {
  struct Case {
    std::string input;
    std::string rest;  // or the failure
    bool skipped = true;
  };
  const Case cases[] = {
      {"\x1b[38;2;1;2;3mX", "X"},
      {"\x1b]P0aabbccX", "X"},
      {"\x1b]P01", ""},
      {"\x1b[31", ""},
      {std::string("\x1b[3\0X", 5), "X"},
      {"\x1b", ""},
      {"X\x1b[0m", "X\x1b[0m", false},
      {"", "", false},
      {"\x1b(abcdefghij", "Unhandled escape condition '(abcdefg'", false},
      {"\x1bQ", "Unhandled escape condition 'Q'", false},
  };
  for (const Case& c : cases) {
    std::string_view view = c.input;
    try {
      EXPECT_EQ(skipEscape(view), c.skipped) << c.input;
      EXPECT_EQ(view, c.rest) << c.input;
    } catch (const NullException& e) {
      EXPECT_EQ(e.message(), c.rest);
    }
  }
  EXPECT_THROW(breakLines("ok \x1b(B", 10), NullException);
}

}  // namespace
}  // namespace trot
