// What must hold for any text drawn in a bubble. Shared by the fuzz target
// and by the test that replays its corpus and regressions.
//
// The first byte of an input picks the bubble width (low 7 bits) and whether
// the text is drawn in rainbow colours (high bit); the rest is the text,
// escape sequences and all. The check gives an empty text when the bubble
// came out whole, else a description of what went wrong: every row must be
// as wide as the others, nothing may reach the terminal that could steer it,
// and every character of a rainbow row must have its colour within that row.
#pragma once

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "model/column_width.hpp"
#include "model/exception.hpp"
#include "model/utf8.hpp"
#include "render/bubble_renderer.hpp"
#include "render/color_format.hpp"
#include "render/rainbow.hpp"

namespace trot::fuzz {

inline Bubble frame() {
  Bubble bubble;
  bubble.topHeight = bubble.bottomHeight = 1;
  bubble.leftWidth = bubble.rightWidth = 2;
  bubble.nw = {" "}, bubble.nnw = {"_"}, bubble.n = {"_"}, bubble.nne = {"_"}, bubble.ne = {" "};
  bubble.sw = {" "}, bubble.ssw = {"-"}, bubble.s = {"-"}, bubble.sse = {"-"}, bubble.se = {" "};
  bubble.nww = "/ ", bubble.w = "| ", bubble.sww = "\\ ", bubble.ww = "< ";
  bubble.nee = " \\", bubble.e = " |", bubble.see = " /", bubble.ee = " >";
  return bubble;
}

inline bool isColourParameter(char byte) { return (byte >= '0' && byte <= '9') || byte == ';' || byte == ':'; }

// Columns of one output row, or a description of a byte that must not be
// there. Only colour sequences (ESC '[', digits, ':' and ';', 'm') may
// escape; they take no column.
inline std::string rowColumns(std::string_view row, std::size_t& columns) {
  columns = 0;
  while (!row.empty()) {
    if (row.front() == '\x1b') {
      std::size_t end = 2;
      while (end < row.size() && isColourParameter(row[end])) ++end;
      if (row.size() < 2 || row[1] != '[' || end >= row.size() || row[end] != 'm') {
        return "an escape that is not a colour";
      }
      row.remove_prefix(end + 1);
      continue;
    }
    const std::uint32_t codePoint = decodeStrict(row);
    if (codePoint == kInvalidByte) return "a byte that is not well-formed UTF-8";
    if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F)) {
      return "control character " + std::to_string(codePoint);
    }
    columns += columnWidth(codePoint);
  }
  return "";
}

// In a rainbow row nothing but padding stands between the side piece and
// the first colour, which is set again only by the reset that ends the text.
inline bool colouredFromTheStart(std::string_view row, std::size_t sideBytes) {
  const std::string_view text = row.substr(std::min(sideBytes, row.size()));
  return text.substr(0, text.find('\x1b')).find_first_not_of(' ') == std::string_view::npos;
}

inline std::string checkBubbleText(std::string_view input) {
  if (input.empty()) return "";
  const auto width = static_cast<std::uint8_t>(input[0] & 0x7F);
  const bool coloured = (input[0] & 0x80) != 0;
  const std::string_view text = input.substr(1);

  static const Bubble bubble = frame();
  ColorFormatANSI format;
  std::ostringstream out;
  try {
    std::string plain(text);
    if (coloured) removeEscapes(plain);
    std::uint32_t draws = 0;
    Rainbow rainbow(plain, format, [&] { return draws += 0x9E3779B9u; });
    renderBubble(bubble, out, plain, width, coloured ? &rainbow : nullptr);
  } catch (const Exception& failure) {
    return std::string("refused: ") + failure.message();
  }

  std::istringstream rows(out.str());
  std::size_t expected = 0;
  bool first = true;
  for (std::string row; std::getline(rows, row); first = false) {
    std::size_t columns = 0;
    if (std::string fault = rowColumns(row, columns); !fault.empty()) return fault + " in row: " + row;
    if (coloured && !first && rows.peek() != EOF && !colouredFromTheStart(row, 2)) {
      return "a character drawn without its colour in row: " + row;
    }
    if (first) expected = columns;
    if (columns != expected) return "a row of " + std::to_string(columns) + " columns among rows of " +
                                   std::to_string(expected) + ": " + row;
  }
  return "";
}

}  // namespace trot::fuzz
