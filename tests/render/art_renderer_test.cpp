#include "render/art_renderer.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

const std::string kReset = "\x1b[49m\x1b[39m\x1b[0m";
const std::string kUpper = "\u2580", kLower = "\u2584", kFull = "\u2588";
const Color kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 255, 0), kNone;

const std::string kFgRed = "\x1b[38;2;255;0;0m", kFgBlue = "\x1b[38;2;0;0;255m", kFgGreen = "\x1b[38;2;0;255;0m";
const std::string kBgRed = "\x1b[48;2;255;0;0m", kBgBlue = "\x1b[48;2;0;0;255m", kBgGreen = "\x1b[48;2;0;255;0m";
const std::string kBgNone = "\x1b[49m";

ArtCell cell(Color upper, Color lower) {
  ArtCell c;
  c.upperTransparent = upper.isDefault != 0;
  c.lowerTransparent = lower.isDefault != 0;
  c.upper = {upper.r, upper.g, upper.b};
  c.lower = {lower.r, lower.g, lower.b};
  return c;
}

ArtCell connector(bool slash) {
  ArtCell c;
  c.connector = true;
  c.connectorSlash = slash;
  return c;
}

AsciiArt artOf(std::vector<ArtRow> rows) {
  AsciiArt art;
  art.rows = std::move(rows);
  return art;
}

std::string draw(const AsciiArt& art, const Bubble& bubble = Bubble(), bool drawBubble = true) {
  std::ostringstream out;
  ColorFormatANSI format;
  renderArt(art, out, format, bubble, drawBubble);
  return out.str();
}

TEST(ArtRenderer, ChoosesGlyphsThatReuseTheColoursInForce) {
  struct Case {
    const char* what;
    std::vector<ArtCell> cells;
    std::string expected;
  };
  const Case cases[] = {
      {"alike cells set their colours once", {cell(kRed, kBlue), cell(kRed, kBlue), cell(kRed, kBlue)},
       kBgRed + kFgBlue + kLower + kLower + kLower},
      {"a transparent top after a red background", {cell(kRed, kBlue), cell(kNone, kRed)},
       kBgRed + kFgBlue + kLower + kBgNone + kFgRed + kLower},
      {"a swapped pair costs nothing", {cell(kRed, kBlue), cell(kBlue, kRed)}, kBgRed + kFgBlue + kLower + kUpper},
      {"lower half keeps the foreground", {cell(kRed, kBlue), cell(kGreen, kBlue)},
       kBgRed + kFgBlue + kLower + kBgGreen + kLower},
      {"upper half keeps the background", {cell(kRed, kBlue), cell(kGreen, kRed)},
       kBgRed + kFgBlue + kLower + kFgGreen + kUpper},
      {"solid cells", {cell(kRed, kRed), cell(kRed, kRed), cell(kBlue, kBlue)}, kFgRed + kFull + kFull + kFgBlue + kFull},
      {"solid background colour is a space", {cell(kRed, kBlue), cell(kRed, kRed)}, kBgRed + kFgBlue + kLower + " "},
      {"transparent cells", {cell(kNone, kNone), cell(kBlue, kRed), cell(kNone, kNone), cell(kRed, kNone)},
       " " + kBgBlue + kFgRed + kLower + kBgNone + " " + kUpper},
      {"connector off is blank on the default background", {cell(kRed, kBlue), connector(true)},
       kBgRed + kFgBlue + kLower + kBgNone + " "},
  };
  for (const Case& c : cases) {
    EXPECT_BYTES(kReset + c.expected + kReset + "\n" + kReset, draw(artOf({{0, c.cells}}), Bubble(), false)) << c.what;
  }
}

TEST(ArtRenderer, DrawsShadesWithoutAnyEscape) {
  const Color white(255, 255, 255), black(0, 0, 0), grey(128, 128, 128), darkGrey(70, 70, 70);
  Bubble bubble;
  bubble.linkSlash = '/';
  const AsciiArt art = artOf({{2,
                               {cell(kNone, kNone), cell(kRed, kNone), cell(kNone, kBlue), cell(white, white),
                                cell(grey, grey), cell(darkGrey, darkGrey), cell(black, black), connector(true)}}});
  std::ostringstream out;
  ColorFormatANSI format(ColorDepth::None);
  renderArt(art, out, format, bubble, true);
  EXPECT_BYTES("   " + kUpper + kLower + kFull + "\u2593\u2592\u2591/\n", out.str());
}

TEST(ArtRenderer, DrawsIndentsAndEmptyArts) {
  EXPECT_BYTES(kReset + kReset, draw(AsciiArt()));
  EXPECT_BYTES(kReset + "   " + kFgRed + kFull + kReset + "\n" + "  " + kReset + "\n" + kReset,
               draw(artOf({{3, {cell(kRed, kRed)}}, {2, {}}})));
}

TEST(ArtRenderer, WritesConnectorsInUtf8) {
  const std::pair<std::uint32_t, std::string> cases[] = {
      {'/', "/"}, {0xE9, "\xc3\xa9"}, {0x2571, "\xe2\x95\xb1"}, {0x1F434, "\xf0\x9f\x90\xb4"},
      // No character, or a control: the cell stays blank, never a NUL.
      {0x110000, " "}, {0, " "}, {0x1B, " "}, {0x9B, " "}};
  for (const auto& [codePoint, bytes] : cases) {
    Bubble bubble;
    bubble.linkSlash = codePoint;
    bubble.linkBackslash = 'v';
    EXPECT_BYTES(kReset + kBgRed + kFgBlue + kLower + kReset + bytes + kReset + "v" + kReset + "\n" + kReset,
                 draw(artOf({{0, {cell(kRed, kBlue), connector(true), connector(false)}}}), bubble));
  }
}

TEST(ArtRenderer, WritesArtText) {
  AsciiArt art = artOf({{1, {cell(kRed, kBlue), connector(false), connector(true), cell(kRed, kBlue)}}});
  art.bubbleSize = 32;
  std::ostringstream out;
  ColorFormatANSI format;
  writeArtText(art, out, format);
  EXPECT_BYTES("$bubble32$\n" + kReset + " " + kBgRed + kFgBlue + kLower + kReset + "$\\$" + kReset + "$/$" +
                   kBgRed + kFgBlue + kLower + kReset + "\n" + kReset,
               out.str());

  std::ostringstream empty;
  writeArtText(AsciiArt(), empty, format);
  EXPECT_BYTES("$bubble0$\n" + kReset + kReset, empty.str());
}

TEST(ArtRenderer, ComposesArtAndBubble) {
  Bubble bubble;
  bubble.topHeight = bubble.bottomHeight = bubble.leftWidth = bubble.rightWidth = 1;
  bubble.nw = bubble.nnw = bubble.nne = bubble.ne = bubble.sw = bubble.ssw = bubble.sse = bubble.se = {"+"};
  bubble.n = bubble.s = {"-"};
  bubble.nww = bubble.w = bubble.sww = bubble.ww = "|";
  bubble.nee = bubble.e = bubble.see = bubble.ee = "|";
  bubble.linkSlash = '/';
  AsciiArt art = artOf({{2, {connector(true)}}, {0, {cell(kRed, kBlue), cell(kBlue, kBlue)}}});
  art.bubbleAbove = true;

  const auto compose = [&](bool plain, bool drawBubble, std::string_view text) {
    std::ostringstream out;
    ColorFormatANSI format;
    composeOutput(art, out, format, bubble, text, plain, drawBubble, 8);
    return out.str();
  };
  EXPECT_GOLDEN("render/compose_above.txt", compose(true, true, "Hi there"));
  EXPECT_GOLDEN("render/compose_above_coloured.txt", compose(false, true, "\x1b[38;2;1;1;1mHi"));
  EXPECT_BYTES(draw(art, bubble, false), compose(true, false, "Hi"));
  art.bubbleAbove = false;
  EXPECT_GOLDEN("render/compose_below.txt", compose(true, true, "Hi there"));
}

}  // namespace
}  // namespace trot
