// Any text drawn in a bubble: the first byte picks the bubble width and
// whether the text counts as coloured; the rest is the text, escape
// sequences and all. The bubble must come out whole or the text be refused
// with the line breaker's own failure, and every row of a plain bubble must
// be as wide as the others.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "model/exception.hpp"
#include "render/bubble_renderer.hpp"
#include "render/color_format.hpp"
#include "render/column_width.hpp"
#include "model/utf8.hpp"

namespace {

trot::Bubble frame() {
  trot::Bubble bubble;
  bubble.topHeight = bubble.bottomHeight = 1;
  bubble.leftWidth = bubble.rightWidth = 2;
  bubble.nw = {" "}, bubble.nnw = {"_"}, bubble.n = {"_"}, bubble.nne = {"_"}, bubble.ne = {" "};
  bubble.sw = {" "}, bubble.ssw = {"-"}, bubble.s = {"-"}, bubble.sse = {"-"}, bubble.se = {" "};
  bubble.nww = "/ ", bubble.w = "| ", bubble.sww = "\\ ", bubble.ww = "< ";
  bubble.nee = " \\", bubble.e = " |", bubble.see = " /", bubble.ee = " >";
  return bubble;
}

// Texts whose rows can be measured after the fact: valid UTF-8 without
// escape sequences or control bytes (which the bubble drops from the row
// but counts in its width, as stored styles expect).
bool measurable(std::string_view text) {
  while (!text.empty()) {
    const std::string_view before = text;
    const std::uint32_t codePoint = trot::decodeNext(text);
    if (codePoint == 0 || (codePoint < 0x20 && codePoint != '\n')) return false;
    // The helpers do not check continuation bytes; a terminal would.
    for (std::size_t i = 1; i < before.size() - text.size(); ++i)
      if ((static_cast<unsigned char>(before[i]) & 0xC0) != 0x80) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto width = static_cast<std::uint8_t>(data[0] & 0x7F);
  const bool coloured = (data[0] & 0x80) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  static const trot::Bubble bubble = frame();
  trot::ColorFormatANSI format;
  std::ostringstream out;
  try {
    trot::renderBubble(bubble, out, text, width, coloured ? &format : nullptr);
  } catch (const trot::Exception&) {
    return 0;  // a sequence the breaker does not understand
  }

  if (coloured || !measurable(text)) return 0;
  std::istringstream rows(out.str());
  std::size_t expected = 0;
  for (std::string row; std::getline(rows, row);) {
    const std::size_t columns = trot::displayColumns(row);
    if (expected == 0) expected = columns;
    if (columns != expected) __builtin_trap();
  }
  return 0;
}
