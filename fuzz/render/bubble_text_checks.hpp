// What must hold for any text drawn in a bubble. Shared by the fuzz target
// and by the test that replays its corpus and regressions.
//
// The first byte of an input picks the bubble width (low 7 bits) and whether
// the text is drawn in rainbow colours (high bit); the rest is the text,
// escape sequences and all. The check gives an empty text when the bubble
// came out whole, else a description of what went wrong: every row must be
// as wide as the others, nothing may reach the terminal that could steer it,
// every character of a rainbow row must have its colour within that row, and
// a text with lines of its own that fit must keep one row for each.
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
#include "render/line_breaker.hpp"
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

// In a rainbow row every character of the text, from the side piece to the
// reset that ends the text, is drawn in a colour set within that row.
inline std::string uncolouredCharacter(std::string_view row, std::size_t sideBytes) {
  row.remove_prefix(std::min(sideBytes, row.size()));
  const std::size_t reset = row.find("\x1b[49m");
  row = row.substr(0, reset);
  bool coloured = false;
  while (!row.empty()) {
    if (row.front() == '\x1b') {
      coloured = true;
      row.remove_prefix(row.find('m') + 1);
      continue;
    }
    if (row.front() != ' ' && !coloured) return "a character drawn without its colour";
    row.remove_prefix(1);
  }
  return "";
}

// The rows a text with lines of its own needs when every line fits: one for
// each line, the last only when something visible follows the last break.
inline std::size_t rowsAsWritten(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  const std::size_t lastBreak = text.rfind('\n');
  const bool visibleTail = measureWidth(text.substr(lastBreak + 1), 1) > 0;
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + (visibleTail ? 1 : 0);
}

inline std::string checkBubbleText(std::string_view input) {
  if (input.empty()) return "";
  const auto width = static_cast<std::uint8_t>(input[0] & 0x7F);
  const bool coloured = (input[0] & 0x80) != 0;
  const std::string_view text = input.substr(1);

  static const Bubble bubble = frame();
  ColorFormatANSI format;
  std::ostringstream out;
  std::string plain(text);
  try {
    if (coloured) removeEscapes(plain);
    std::uint32_t draws = 0;
    Rainbow rainbow(plain, format, [&] { return draws += 0x9E3779B9u; });
    renderBubble(bubble, out, plain, width, coloured ? &rainbow : nullptr);
  } catch (const Exception& failure) {
    return std::string("refused: ") + failure.message();
  }

  std::istringstream rows(out.str());
  std::size_t expected = 0;
  std::size_t count = 0;
  bool first = true;
  for (std::string row; std::getline(rows, row); first = false, ++count) {
    std::size_t columns = 0;
    if (std::string fault = rowColumns(row, columns); !fault.empty()) return fault + " in row: " + row;
    if (coloured && !first && rows.peek() != EOF) {
      if (std::string fault = uncolouredCharacter(row, 2); !fault.empty()) return fault + " in row: " + row;
    }
    if (first) expected = columns;
    if (columns != expected) return "a row of " + std::to_string(columns) + " columns among rows of " +
                                   std::to_string(expected) + ": " + row;
  }
  const std::size_t room = width > 4 ? width - 4 : 40;
  if (hasLinesOfItsOwn(plain) && measureWidth(plain, room + 1) <= room && count - 2 != rowsAsWritten(plain)) {
    return "a text of lines that fit drawn in " + std::to_string(count - 2) + " rows";
  }
  return "";
}

}  // namespace trot::fuzz
