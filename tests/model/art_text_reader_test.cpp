// The pony art text reader: header, colours in both styles, markers, cells,
// the messages it goes on after and the failures it stops at.
#include "model/art_text_reader.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

struct Parsed {
  AsciiArt art;
  ArtHeader header;
  std::string messages;
};

Parsed parse(std::string_view text) {
  Parsed parsed;
  std::ostringstream messages;
  parseArtText(parsed.art, text, &parsed.header, messages);
  parsed.messages = messages.str();
  return parsed;
}

// A file with an empty header and `body` as its picture.
Parsed parseBody(const std::string& body) { return parse("$$$\n$$$\n" + body); }

using Rgb = std::array<std::uint8_t, 3>;

// A cell with the given halves; a missing half is transparent.
ArtCell cell(std::optional<Rgb> upper, std::optional<Rgb> lower) {
  ArtCell c;
  c.upperTransparent = !upper;
  c.lowerTransparent = !lower;
  c.upper = upper.value_or(Rgb{});
  c.lower = lower.value_or(Rgb{});
  return c;
}

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

// Palette definitions and selections in the "^[" spelling.
const std::string kRedFg = "^[]P1ff0000^[[31m";
const std::string kBlueBg = "^[]P20000ff^[[42m";

std::string blocks(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "\u2588";
  return text;
}

std::string parseFailure(std::string_view text) {
  try {
    parse(text);
  } catch (const AsciiArt::ParserException& failure) {
    return failure.message();
  }
  return "(no failure)";
}

TEST(ArtTextReader, FailuresNameWhatWentWrong) {
  std::string rows256;
  for (int i = 0; i < 256; ++i) rows256 += kRedFg + blocks(1) + "\n";
  struct Case {
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"$$\nNAME: a\n$$$\n", "Invalid header, no starting seperator: '$$$'"},
      {"$$$\nNAME: a\n", "Unexpected end of file while parsing meta"},
      {"$$$\n$$$\nab", "Unexpected unescaped small char: 97"},
      {"$$$\n$$$\n$balloon2x$", "Failed to parse invalid bubble size: '2x'"},
      {"$$$\n$$$\n\n" + kRedFg + blocks(256), "Line 4 has more than 255 cells, the most a row can hold"},
      {"$$$\n$$$\n" + std::string(10, ' ') + kRedFg + blocks(250),
       "Line 3 is wider than 255 cells with its indent, the most an art can hold"},
      {"$$$\n$$$\n" + rows256, "Line 258 would be row 256, more than the 255 rows an art can hold"},
  };
  for (const auto& c : cases) EXPECT_EQ(parseFailure(c.text), c.message) << c.text.substr(0, 40);
}

TEST(ArtTextReader, LimitsAreReachedWithoutFailure) {
  std::string text = "$$$\n$$$\n" + kRedFg + blocks(255);
  text += std::string(300, ' ') + "\n";  // trailing blanks are dropped before counting
  for (int i = 0; i < 254; ++i) text += kRedFg + "\u2588\n";
  const Parsed parsed = parse(text);
  EXPECT_EQ(parsed.art.rows.size(), 255u);
  EXPECT_EQ(parsed.art.rows[0].cells.size(), 255u);
  EXPECT_EQ(parsed.art.width, 255);
}

TEST(ArtTextReader, HeaderValuesAreSplitTrimmedAndKeptInOrder) {
  const Parsed parsed = parse(
      "$$$$ anything here\r\n"
      "\r\n"
      "  NAME \t: Thistle\n"
      "OTHER NAMES: x, y (a note, with a comma), z (trailing) w\n"
      "a line without a colon\n"
      "EMPTY:   \n"
      "NAME: Burdock\n"
      "$$$ closing\n");
  const ArtHeader expected = {{"NAME", "Thistle"}, {"NAME", "Burdock"}, {"OTHER NAMES", "x"},
                              {"OTHER NAMES", "y"}, {"OTHER NAMES", "z"}, {"OTHER NAMES", "w"}};
  EXPECT_EQ(parsed.header, expected);
  EXPECT_TRUE(parsed.art.rows.empty());
}

TEST(ArtTextReader, PaletteColoursSelectForegroundAndBackground) {
  const Parsed parsed = parseBody(
      // upper half: foreground over background
      kRedFg + kBlueBg + "\u2580" +
      // lower half: background over foreground; full block: foreground twice
      "\u2584\u2588" +
      // a space on a set background is a cell of that colour
      " \n" +
      // a selection without a definition on its line selects the default
      "^[[31m" + kBlueBg + "\u2580\n" +
      // letters count on from 10 in either case, modulo 256 per component
      "^[]P1Zz0A0f^[[37m\u2588\n"
      // an index digit other than 1 or 2 is ignored
      "\x1b]P900ff00\x1b[34m\u2588\n"
      // an entry broken off at "-" keeps the red of 00 it completed
      "^[]P1ff0000^[]P100-^[[31m\u2588");
  ASSERT_EQ(parsed.art.rows.size(), 5u);
  EXPECT_EQ(parsed.art.rows[0].cells,
            (std::vector<ArtCell>{cell(kRed, kBlue), cell(kBlue, kRed), cell(kRed, kRed), cell(kBlue, kBlue)}));
  EXPECT_EQ(parsed.art.rows[1].cells, std::vector<ArtCell>{cell({}, kBlue)});
  EXPECT_EQ(parsed.art.rows[2].cells, (std::vector<ArtCell>{cell(Rgb{83, 10, 15}, Rgb{83, 10, 15})}));
  EXPECT_EQ(parsed.art.rows[3].cells, (std::vector<ArtCell>{cell(kGreen, kGreen)}));
  EXPECT_EQ(parsed.art.rows[4].cells, (std::vector<ArtCell>{cell(Rgb{0, 0, 0}, Rgb{0, 0, 0})}));
  EXPECT_EQ(parsed.messages, "");
}

TEST(ArtTextReader, DirectColoursAndResetsAsTheConverterWritesThem) {
  const std::string reset = "\x1b[49m\x1b[39m\x1b[0m";
  const Parsed parsed = parseBody(
      "\x1b[38;2;255;0;0m\x1b[48;2;0;0;255m\u2580"
      // a complete reset of three bytes ends the sequence at once
      "\x1b[0m\u2580"
      "\x1b[38;2;0;255;0m\u2580\x1b[48;2;0;0;255m\x1b[39m\u2580\x1b[38;2;255;0;0m\u2580\x1b[49m\u2580" +
      reset + "\n");
  ASSERT_EQ(parsed.art.rows.size(), 1u);
  EXPECT_EQ(parsed.art.rows[0].cells, (std::vector<ArtCell>{cell(kRed, kBlue), ArtCell{}, cell(kGreen, {}),
                                                            cell({}, kBlue), cell(kRed, kBlue), cell(kRed, {})}));
  EXPECT_EQ(parsed.messages, "");
}

TEST(ArtTextReader, SkippablePiecesAreReportedAndReadingGoesOn) {
  const Parsed parsed = parseBody(
      "\u263a\x1b[38;2;256;0;0m\x1b[38;2;1;2m\x1b[38;5;1m\x1b[52m$foo$$$" + kRedFg + "\u2588\n");
  EXPECT_EQ(parsed.messages,
            "Unexpected large char: 9786\n   e2 98 ba\n"
            "Unknown escape sequence: '[38;2;256;0;0m'\n"
            "Unknown escape sequence: '[38;2;1;2m'\n"
            "Unknown escape sequence: '[38;5;1m'\n"
            "Unknown escape sequence: '[52m'\n"
            "Failed to parse escaped sequence: 'foo'\n"
            "Failed to parse escaped sequence: ''\n");
  ASSERT_EQ(parsed.art.rows.size(), 1u);
  EXPECT_EQ(parsed.art.rows[0].cells, std::vector<ArtCell>{cell(kRed, kRed)});
}

TEST(ArtTextReader, IndentCellsAndBlankLines) {
  const Parsed parsed = parseBody(
      "   " + kRedFg + "\u2588 \u2588   \n"  // spaces after the first cell are cells; trailing ones vanish
      "\n"
      "        \n"  // a line without cells adds no row
      "$\\$  $/$ \r\n"
      "  " + kBlueBg + "  " + kRedFg + "\u2588\n");  // spaces on a set background are cells, not indent
  ASSERT_EQ(parsed.art.rows.size(), 3u);
  EXPECT_EQ(parsed.art.rows[0].indent, 3);
  EXPECT_EQ(parsed.art.rows[0].cells, (std::vector<ArtCell>{cell(kRed, kRed), ArtCell{}, cell(kRed, kRed)}));
  EXPECT_EQ(parsed.art.rows[1].indent, 0);
  ASSERT_EQ(parsed.art.rows[1].cells.size(), 4u);
  EXPECT_EQ(parsed.art.rows[1].cells[0].flags(), 7);
  EXPECT_EQ(parsed.art.rows[1].cells[3].flags(), 15);
  EXPECT_EQ(parsed.art.rows[2].indent, 2);
  EXPECT_EQ(parsed.art.rows[2].cells, (std::vector<ArtCell>{cell(kBlue, kBlue), cell(kBlue, kBlue), cell(kRed, kRed)}));
  EXPECT_EQ(parsed.art.width, 6);
}

TEST(ArtTextReader, WhatEndsALine) {
  const std::string red = kRedFg + blocks(1);
  struct Case {
    std::string body;
    std::vector<std::size_t> cellsPerRow;
  };
  const Case cases[] = {
      // colours end with their line: the second block is default and dropped
      {red + "\n" + blocks(1), {1}},
      // a marker left open does not take in the next line's "$/$"
      {"$\\\n$/$", {1}},
      {red + std::string(1, '\0') + red + blocks(1), {1, 2}},
      // a stray continuation byte swallows the byte after it as well
      {red + "\x80x" + red, {1, 1}},
      // a sequence cut short by the end of the text ends it
      {red + "\xe2\x96", {1}},
  };
  for (const auto& c : cases) {
    const Parsed parsed = parseBody(c.body);
    std::vector<std::size_t> cellsPerRow;
    for (const auto& row : parsed.art.rows) cellsPerRow.push_back(row.cells.size());
    EXPECT_EQ(cellsPerRow, c.cellsPerRow) << c.body;
  }
}

TEST(ArtTextReader, BalloonMarkerAndHeaderSetSizeAndPlacement) {
  const auto rows = [&](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += kRedFg + "\u2588\n";
    return text;
  };
  struct Case {
    std::string header;
    std::string body;
    std::uint8_t bubbleSize;
    bool bubbleAbove;
  };
  const Case cases[] = {
      {"", "$balloon$\n" + rows(3), 0, true},
      {"", rows(4) + "$balloon300$\n" + rows(6), 44, true},  // 5 > 4
      {"", rows(5) + "$balloon7$" + rows(5), 7, false},      // 5 > 5 is false
      {"", rows(2), 0, true},                                // no marker: above from two rows on
      {"", rows(1), 0, false},
      {"", "$bubble12$\n" + rows(1) + "$balloon3$\n" + rows(4), 3, true},  // the last marker counts
      // A BALLOON header of top or bottom outweighs the marker's position.
      {"BALLOON: bottom\n", "$bubble5$\n" + rows(2), 5, false},
      {"BALLOON: top\n", rows(2) + "$balloon5$\n", 5, true},
      {"BALLOON: sideways\n", "$bubble5$\n" + rows(2), 5, true},
      {"BALLOON: sideways\n", rows(2) + "$balloon5$\n", 5, false},
  };
  for (const auto& c : cases) {
    const Parsed parsed = parse("$$$\n" + c.header + "$$$\n" + c.body);
    EXPECT_EQ(parsed.art.bubbleSize, c.bubbleSize) << c.header << c.body;
    EXPECT_EQ(parsed.art.bubbleAbove, c.bubbleAbove) << c.header << c.body;
  }
}

}  // namespace
}  // namespace trot
