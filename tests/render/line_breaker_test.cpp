// How text breaks into lines and how wide it measures, written out case by
// case to tests/golden/render/line_breaks.txt.
#include "render/line_breaker.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>

#include "model/utf8.hpp"

#include "tests/support/golden.hpp"

namespace trot {
namespace {

std::string lines(std::string_view text, std::size_t width) {
  std::string lines;
  breakLines(text, width, [&](const Span& line, bool last) {
    lines += "  [" + test::visible(line.text) + "] " + std::to_string(line.width) + (last ? " last" : "") + "\n";
  });
  return lines;
}

const std::string kWide = "\xe6\xbc\xa2";   // a CJK ideograph, two columns
const std::string kWide2 = "\xe5\xad\x97";  // another one
const std::string kFullStop = "\xe3\x80\x82";  // the ideographic full stop
const std::string kAcute = "\xcc\x81";      // combining acute accent
const std::string kRed = "\x1b[38;2;255;0;0m";

TEST(LineBreaker, BreaksMeasuresAndSplitsAsTheTranscriptShows) {
  struct Case {
    const char* what;
    std::string text;
    std::size_t width;
  };
  const Case cases[] = {
      {"words fill each line to the width", "Rain in Meadowlark, apples in the orchards", 12},
      {"long word cut, no empty line first", "abcdefghijkl", 5},
      {"word of 300 columns", std::string(300, 'x'), 100},
      {"measured no wider than the widest line allowed", std::string(300, 'x'), 255},
      {"line breaks are hard, the last one draws nothing", "ab\n\ncd\n", 10},
      {"the widest line is the measure", "ab\ncdef\ng\n", 80},
      {"CR LF is one break, a lone CR takes no column", "a\r\nb\rc", 10},
      {"a full line ends at the break after it", "abcdefgh\t\nx", 10},
      {"escapes after the last break stay on the last line", "ab\n\x1b[0m", 10},
      {"tabs reach the next multiple of 8", "a\tbc\td", 80},
      {"a tab stops at the end of the line", "abcdefgh\tx", 10},
      {"a tab in a narrow text", "a\tb", 5},
      {"colour escapes take no room", kRed + "red\x1b[0m text", 8},
      {"other sequences end where terminals end them", "x\x1b[2Jy and more", 80},
      {"a hyperlink is its text", "\x1b]8;;http://a.b/\x1b\\link\x1b]8;;\x07!", 80},
      {"escape at the cut moves on", "abc" + kRed + "def", 3},
      {"a NUL is a control like any other", std::string("\0ab\0cd", 6), 10},
      {"wide characters are never halved", kWide + kFullStop + kWide + kFullStop, 3},
      {"combining marks stay with their letter", "e" + kAcute + "e" + kAcute + "e" + kAcute, 2},
      {"zero-width space and broken UTF-8", "a\xe2\x80\x8b" "b\xe2\x82" "c", 80},
      {"width 1 still places a wide character", kWide + "a", 1},
      {"a cut-off remainder without columns stays", kWide + "\x1b[0m", 1},
      {"width 0 places one character a line", "ab", 0},
      // Where lines may break.
      {"never after an opening bracket or before closing punctuation", "answered (d). Go", 10},
      {"a bracketed word wider than the line is cut", "(x)", 2},
      {"after slashes and hyphens, not after backslashes", "a/b well-known c\\d", 6},
      {"between ideographs, never before their full stop", kWide + kWide2 + kFullStop + kWide, 4},
      {"numbers kept whole", "pay $(12.50)/day", 8},
      {"U+0120 ends in the byte of a space but is a letter", "\xc4\xa0" "b c", 3},
      {"controls and escapes join the word", "a\rb\x1b(0c d", 4},
      {"a space after a mark", kWide + kAcute + " z", 3},
      {"after tabs", "ab\t\tc", 16},
  };
  std::string transcript;
  for (const Case& c : cases) {
    transcript += "== " + std::string(c.what) + ": [" + test::visible(c.text) + "] at width " +
                  std::to_string(c.width) + ", measured " + std::to_string(measureWidth(c.text, c.width)) + "\n" +
                  lines(c.text, c.width);
  }
  EXPECT_GOLDEN("render/line_breaks.txt", transcript);
}

// Unicode's own cases: tokens end exactly where LineBreakTest.txt marks a
// break, except in the cases that hold what a tailoring decides, which are
// counted: this breaker's (tabs, hard breaks) and the file's own, which keeps
// numbers whole where SY or IS meet a digit, CL or CP meet PR or PO, or PR
// or PO meet OP outside a number.
TEST(LineBreaker, BreaksWhereUnicodeSays) {
  using enum LineBreakClass;
  const auto in = [](LineBreakClass c, std::initializer_list<LineBreakClass> set) {
    return std::ranges::count(set, c) > 0;
  };
  std::ifstream file(TROT_UNICODE_DIR "/auxiliary/LineBreakTest.txt");
  ASSERT_TRUE(file) << "needs Unicode's LineBreakTest.txt (Debian's package unicode-data)";
  std::size_t checked = 0;
  std::map<std::string, std::size_t> tailored;
  for (std::string line; std::getline(file, line);) {
    std::istringstream fields(line.substr(0, line.find('#')));
    std::string text, tailoring;
    std::vector<std::size_t> breaks, found;
    LineBreakClass before = CM;
    for (std::string field; fields >> field;) {
      if (field == "\xc3\xb7" && !text.empty()) breaks.push_back(text.size());  // the division sign
      if (field.size() < 4) continue;
      const auto codePoint = static_cast<std::uint32_t>(std::stoul(field, nullptr, 16));
      const LineBreakClass c = lineBreakClass(codePoint);
      if ((in(before, {SY, IS}) && c == NU) || (in(before, {CL, CP, CPW}) && in(c, {PR, PO})) ||
          (in(before, {PR, PO}) && in(c, {OP, OPW}))) {
        tailoring = "numbers";
      }
      if (codePoint == '\t') tailoring = "tabs";
      if (in(c, {BK, CR, LF, NL})) tailoring = "hard breaks";
      if (c != CM && c != ZWJ) before = c;
      text += encodeUtf8(codePoint);
    }
    if (text.empty()) continue;
    if (!tailoring.empty()) {
      ++tailored[tailoring];
      continue;
    }
    for (LineTokens tokens(text); !tokens.ended();) {
      const Span token = tokens.next(0, SIZE_MAX);
      found.push_back(static_cast<std::size_t>(token.text.data() + token.text.size() - text.data()));
    }
    EXPECT_EQ(found, breaks) << line;
    ++checked;
  }
  for (const auto& [tailoring, count] : tailored) std::cout << count << " cases with " << tailoring << " skipped\n";
  EXPECT_GE(checked, 5900u);  // the whole file was read
}

}  // namespace
}  // namespace trot
