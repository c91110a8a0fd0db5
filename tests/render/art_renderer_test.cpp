// Arts drawn as half blocks, as shades and as source text, alone and with
// their bubble, written out case by case to tests/golden/render/art.txt.
#include "render/art_renderer.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <vector>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

const Color kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 255, 0), kNone;

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

AsciiArt artOf(std::vector<ArtRow> rows, bool bubbleAbove = false) {
  AsciiArt art;
  art.rows = std::move(rows);
  art.bubbleAbove = bubbleAbove;
  return art;
}

Bubble linkedBubble(std::uint32_t slash, std::uint32_t backslash = '\\') {
  Bubble bubble;
  bubble.topHeight = bubble.bottomHeight = bubble.leftWidth = bubble.rightWidth = 1;
  bubble.nw = bubble.nnw = bubble.nne = bubble.ne = bubble.sw = bubble.ssw = bubble.sse = bubble.se = {"+"};
  bubble.n = bubble.s = {"-"};
  bubble.nww = bubble.w = bubble.sww = bubble.ww = std::string(1, '|');  // not a literal: g++ 12 -O3 false -Wrestrict
  bubble.nee = bubble.e = bubble.see = bubble.ee = std::string(1, '|');
  bubble.linkSlash = slash;
  bubble.linkBackslash = backslash;
  return bubble;
}

std::string draw(const AsciiArt& art, const Bubble& bubble, bool drawBubble,
                 ColorDepth depth = ColorDepth::TrueColor) {
  std::ostringstream out;
  ColorFormatANSI format(depth);
  renderArt(art, out, format, bubble, drawBubble);
  return out.str();
}

TEST(ArtRenderer, DrawsAsTheTranscriptShows) {
  std::string transcript;
  const auto add = [&](const std::string& what, const std::string& bytes) {
    transcript += "== " + what + "\n" + test::visible(bytes, true) + "\n";
  };
  // Glyphs chosen to reuse the colours in force.
  const std::pair<const char*, std::vector<ArtCell>> cells[] = {
      {"alike cells set their colours once", {cell(kRed, kBlue), cell(kRed, kBlue), cell(kRed, kBlue)}},
      {"a transparent top after a red background", {cell(kRed, kBlue), cell(kNone, kRed)}},
      {"a swapped pair costs nothing", {cell(kRed, kBlue), cell(kBlue, kRed)}},
      {"lower half keeps the foreground", {cell(kRed, kBlue), cell(kGreen, kBlue)}},
      {"upper half keeps the background", {cell(kRed, kBlue), cell(kGreen, kRed)}},
      {"solid cells", {cell(kRed, kRed), cell(kRed, kRed), cell(kBlue, kBlue)}},
      {"solid background colour is a space", {cell(kRed, kBlue), cell(kRed, kRed)}},
      {"transparent cells", {cell(kNone, kNone), cell(kBlue, kRed), cell(kNone, kNone), cell(kRed, kNone)}},
      {"connector off is blank on the default background", {cell(kRed, kBlue), connector(true)}},
      {"black is a colour, not the default", {cell(kNone, kNone), cell(Color(0, 0, 0), Color(0, 0, 0))}},
  };
  for (const auto& [what, row] : cells) add(what, draw(artOf({{0, row}}), Bubble(), false));

  const Color white(255, 255, 255), black(0, 0, 0), grey(128, 128, 128), darkGrey(70, 70, 70);
  add("shades without any escape",
      draw(artOf({{2,
                   {cell(kNone, kNone), cell(kRed, kNone), cell(kNone, kBlue), cell(white, white), cell(grey, grey),
                    cell(darkGrey, darkGrey), cell(black, black), connector(true)}}}),
           linkedBubble('/'), true, ColorDepth::None));
  add("an empty art", draw(AsciiArt(), Bubble(), true));
  add("indents, and a row without cells", draw(artOf({{3, {cell(kRed, kRed)}}, {2, {}}}), Bubble(), true));
  // Connectors in UTF-8; no character, or a control, leaves the cell blank.
  for (const std::uint32_t codePoint : {0x2FU, 0xE9U, 0x2571U, 0x1F434U, 0x110000U, 0U, 0x1BU, 0x9BU}) {
    std::ostringstream name;
    name << "connectors U+" << std::hex << std::uppercase << codePoint << " and v";
    add(name.str(),
        draw(artOf({{0, {cell(kRed, kBlue), connector(true), connector(false)}}}), linkedBubble(codePoint, 'v'),
             true));
  }

  AsciiArt text = artOf({{1, {cell(kRed, kBlue), connector(false), connector(true), cell(kRed, kBlue)}}});
  text.bubbleSize = 32;
  for (const AsciiArt& source : {text, AsciiArt()}) {
    std::ostringstream out;
    ColorFormatANSI format;
    writeArtText(source, out, format);
    add("as source text", out.str());
  }

  // With a bubble above or below, its text plain or in rainbow colours; a
  // tail that starts past the bubble's end moves the bubble to meet it, as
  // far as the terminal's columns, where the art is cut.
  const auto compose = [](bool above, bool plain, bool drawBubble, std::string_view message, std::uint8_t tailAt = 2,
                          bool slash = true, std::optional<std::size_t> columns = std::nullopt) {
    std::ostringstream out;
    ColorFormatANSI format;
    Rainbow rainbow(message, format, [] { return 0x80u; });
    composeOutput(artOf({{tailAt, {connector(slash)}}, {0, {cell(kRed, kBlue), cell(kBlue, kBlue)}}}, above), out,
                  format, linkedBubble('/', '\\'), message, plain ? nullptr : &rainbow, drawBubble, 8, columns);
    return out.str();
  };
  add("bubble above", compose(true, true, true, "Hi there"));
  add("bubble above in colour", compose(true, false, true, "Hi"));
  add("bubble left out", compose(true, true, false, "Hi"));
  add("bubble below", compose(false, true, true, "Hi there"));
  add("tail / far right, bubble above", compose(true, true, true, "Hi", 20));
  add("tail \\ far right, bubble above", compose(true, true, true, "Hi", 20, false));
  add("tail / far right, bubble below", compose(false, true, true, "Hi", 20));
  add("tail far right on 12 columns", compose(true, true, true, "Hi", 20, true, 12));
  EXPECT_GOLDEN("render/art.txt", transcript);
}

}  // namespace
}  // namespace trot
