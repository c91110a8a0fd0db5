// Bubbles drawn around texts, written out case by case to
// tests/golden/render/bubbles.txt.
#include "render/bubble_renderer.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

// Every piece one column wide and distinct, so each row shows which pieces
// made it; `change` alters the style for one case.
Bubble style(const std::function<void(Bubble&)>& change = nullptr) {
  Bubble b;
  b.topHeight = b.bottomHeight = b.leftWidth = b.rightWidth = 1;
  b.nw = {"/"}, b.nnw = {"("}, b.n = {"-"}, b.nne = {")"}, b.ne = {"\\"};
  b.sw = {"\\"}, b.ssw = {"("}, b.s = {"_"}, b.sse = {")"}, b.se = {"/"};
  // Sides built as strings, not assigned from literals: g++ 12 at -O3 gives a
  // false -Wrestrict for a literal assigned to a string.
  const auto side = [](char c) { return std::string(1, c); };
  b.ww = side('<'), b.ee = side('>'), b.nww = side('['), b.nee = side(']');
  b.w = side('|'), b.e = side('!'), b.sww = side('{'), b.see = side('}');
  if (change) change(b);
  return b;
}

TEST(BubbleRenderer, DrawsAsTheTranscriptShows) {
  struct Case {
    const char* what;
    std::string text;
    std::uint8_t width = 100;
    Bubble bubble = style();
    bool coloured = false;
  };
  const Case cases[] = {
      {"one row", "MROW  Mwop  MROW"},
      {"two lines never use the middle pieces", "ab cdef", 6},
      {"middle lines", "abc def ghi", 6},
      {"odd padding goes right", "a cdefg", 7},
      {"escapes and controls left out, tabs drawn as spaces", "\x1b[31mred\x1b[0m\tx\x1b[2J\x07\xc2\x9b"},
      {"lines as typed", "ab\n\n\tc\r\n"},
      {"broken UTF-8 shown as replacement characters", "a\xe2\x82" "b"},
      {"non-ASCII kept", "h\xc3\xa9llo \xe6\xbc\xa2"},
      {"a long first word starts on the first row", "abcdefg", 6},
      {"a text without lines is one empty row", ""},
      {"rainbow: a colour before each character in its row, a reset before the padding",
       "ab\tcdef\n\x07g", 6, style(), true},
      // "MROWx" makes the row 7 columns: a fill of 3 that "=-" overshoots by one.
      {"every line of a tall border", "MROWx", 100, style([](Bubble& b) {
         b.topHeight = 2;
         b.nw = {"1", "a"}, b.nnw = {"2", "b"}, b.n = {"=-", "~"}, b.nne = {"3", "c"}, b.ne = {"4", "d"};
       })},
      // A shared style file is as untrusted as a shared database; its colours
      // take no columns.
      {"style pieces cannot steer the terminal", "hi!", 100, style([](Bubble& b) {
         b.ww = "<\x1b]52;c;aGk=\x07", b.ee = "\x1b[31m>\x1b[0m\x07", b.n = {"-\x1b[2J"}, b.se = {"\xc2\x9b/"};
         b.nw = {"\x1b[1;31m/\x1b[0m"};
       })},
      {"a border piece without columns", "hi", 100, style([](Bubble& b) { b.n = {""}; })},
      // A lone combining mark takes no column either.
      {"a lower border piece without columns", "hi", 100, style([](Bubble& b) {
         b.bottomHeight = 2;
         b.sw = b.ssw = b.sse = b.se = {"", ""};
         b.s = {"_", "\xcc\x81"};
       })},
  };
  std::string transcript;
  for (const Case& c : cases) {
    transcript += "== " + std::string(c.what) + ": [" + test::visible(c.text) + "] at width " +
                  std::to_string(c.width) + "\n";
    std::ostringstream out;
    ColorFormatANSI format;
    std::uint32_t draws = 0;
    Rainbow rainbow(c.text, format, [&] { return draws += 40; });
    try {
      renderBubble(c.bubble, out, c.text, c.width, c.coloured ? &rainbow : nullptr);
      transcript += test::visible(out.str(), true);
    } catch (const NullException& e) {
      transcript += "refused: " + e.message() + "\n";
    }
  }
  EXPECT_GOLDEN("render/bubbles.txt", transcript);
}

}  // namespace
}  // namespace trot
