#include "render/bubble_renderer.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

// Every piece one column wide and distinct, so each row shows which pieces
// made it.
Bubble plainStyle() {
  Bubble b;
  b.topHeight = b.bottomHeight = b.leftWidth = b.rightWidth = 1;
  b.nw = {"/"}, b.nnw = {"("}, b.n = {"-"}, b.nne = {")"}, b.ne = {"\\"};
  b.sw = {"\\"}, b.ssw = {"("}, b.s = {"_"}, b.sse = {")"}, b.se = {"/"};
  b.ww = "<", b.ee = ">", b.nww = "[", b.nee = "]", b.w = "|", b.e = "!", b.sww = "{", b.see = "}";
  return b;
}

std::string render(const Bubble& bubble, std::string_view text, std::uint8_t width, ColorFormat* format = nullptr) {
  std::ostringstream out;
  renderBubble(bubble, out, text, width, format);
  return out.str();
}

std::string border(const char* left, std::size_t fill, char middle, const char* right) {
  return left + std::string(fill, middle) + right + "\n";
}

TEST(BubbleRenderer, DrawsTheSampleBubble) {
  EXPECT_BYTES(border("/(", 14, '-', ")\\") + "<MROW  Mwop  MROW>\n" + border("\\(", 14, '_', ")/"),
               render(plainStyle(), "MROW  Mwop  MROW", 100));
}

TEST(BubbleRenderer, FramesTextRows) {
  struct Case {
    const char* what;
    std::string text;
    std::uint8_t width;
    std::string rows;
  };
  const Case cases[] = {
      {"two lines never use the middle pieces", "ab cdef", 6, "[ab  ]\n{cdef}\n"},
      {"middle lines", "abc def ghi", 6, "[abc ]\n|def !\n{ghi }\n"},
      {"odd padding goes right", "a cdefg", 7, "[ a   ]\n{cdefg}\n"},
      {"escapes and controls left out, tabs drawn as spaces", "\x1b[31mred\x1b[0m\tx\x1b[2J\x07\xc2\x9b", 100,
       "<red     x>\n"},
      {"lines as typed", "ab\n\n\tc\r\n", 100, "[   ab    ]\n|         !\n{        c}\n"},
      {"broken UTF-8 shown as replacement characters", "a\xe2\x82" "b", 100, "<a\xef\xbf\xbd\xef\xbf\xbd" "b>\n"},
      {"non-ASCII kept", "h\xc3\xa9llo \xe6\xbc\xa2", 100, "<h\xc3\xa9llo \xe6\xbc\xa2>\n"},
      {"a long first word starts on the first row", "abcdefg", 6, "[abcd]\n{efg }\n"},
      {"a text without lines is one empty row", std::string("\0x", 2), 100, "<  >\n"},
  };
  for (const Case& c : cases) {
    const std::string out = render(plainStyle(), c.text, c.width);
    const std::size_t topEnd = out.find('\n') + 1;
    const std::size_t bottomStart = out.rfind('\n', out.size() - 2) + 1;
    EXPECT_BYTES(c.rows, out.substr(topEnd, bottomStart - topEnd)) << c.what;
  }
}

TEST(BubbleRenderer, WithAFormatterKeepsColoursAndResetsBeforeThePadding) {
  ColorFormatANSI format;
  const std::string out = render(plainStyle(), "\x1b[38;2;1;2;3mab \x1b[38;2;4;5;6m\x1b]0;title\x07" "cdef\n", 6, &format);
  EXPECT_NE(out.find("[\x1b[38;2;1;2;3mab \x1b[38;2;4;5;6m\x1b[49m\x1b[39m\x1b[0m ]\n"), std::string::npos) << out;
  EXPECT_NE(out.find("{cdef\x1b[49m\x1b[39m\x1b[0m}\n"), std::string::npos) << out;
}

TEST(BubbleRenderer, UsesEveryLineOfTallBorders) {
  Bubble b = plainStyle();
  b.topHeight = 2;
  b.nw = {"1", "a"}, b.nnw = {"2", "b"}, b.n = {"=-", "~"}, b.nne = {"3", "c"}, b.ne = {"4", "d"};
  // "MROWx" makes the row 7 columns: a fill of 3 that "=-" overshoots by one.
  EXPECT_BYTES("12=-=-34\nab~~~cd\n<MROWx>\n" + border("\\(", 3, '_', ")/"), render(b, "MROWx", 100));
}

// A shared style file is as untrusted as a shared database.
TEST(BubbleRenderer, StylePiecesCannotSteerTheTerminal) {
  Bubble b = plainStyle();
  b.ww = "<\x1b]52;c;aGk=\x07", b.ee = "\x1b[31m>\x1b[0m\x07";
  b.n = {"-\x1b[2J"}, b.se = {"\xc2\x9b/"};
  EXPECT_BYTES(border("/(", 1, '-', ")\\") + "<hi!\x1b[31m>\x1b[0m\n" + border("\\(", 1, '_', ")/"),
               render(b, "hi!", 100));
}

TEST(BubbleRenderer, RefusesBorderPiecesWithoutColumns) {
  Bubble top = plainStyle();
  top.n = {""};
  Bubble bottom = plainStyle();
  bottom.bottomHeight = 2;
  bottom.sw = bottom.ssw = bottom.sse = bottom.se = {"", ""};
  bottom.s = {"_", "\xcc\x81"};  // a lone combining mark takes no column either
  const std::pair<const Bubble*, const char*> cases[] = {{&top, "Top element[0] has zero size"},
                                                         {&bottom, "Bottom element[1] has zero size"}};
  for (const auto& [bubble, message] : cases) {
    try {
      render(*bubble, "hi", 100);
      ADD_FAILURE() << message;
    } catch (const NullException& e) {
      EXPECT_EQ(e.message(), message);
    }
  }
}

}  // namespace
}  // namespace trot
