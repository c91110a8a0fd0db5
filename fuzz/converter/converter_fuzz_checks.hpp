// What must hold for any input to the converter's text readers. Shared by the
// fuzz targets and by the test that replays their corpus and regressions.
// Each check gives an empty text when the input was handled soundly, else a
// description of what went wrong; readers may only fail with their own
// parse exception.
#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "model/art_text_reader.hpp"
#include "converter/balloon_text.hpp"

namespace trot::fuzz {

inline std::string checkArtText(std::string_view text) {
  AsciiArt art;
  ArtHeader header;
  std::ostringstream messages;
  try {
    parseArtText(art, text, &header, messages);
  } catch (const AsciiArt::ParserException&) {
    return "";
  }
  if (art.rows.size() > 255) return "more than 255 rows";
  for (const auto& row : art.rows) {
    if (row.cells.empty()) return "an empty row";
    if (row.indent + row.cells.size() > art.width) return "a row wider than the art";
  }
  return "";
}

inline bool sameBubble(const Bubble& a, const Bubble& b) {
  return a.linkSlash == b.linkSlash && a.linkBackslash == b.linkBackslash && a.linkX == b.linkX &&
         a.topHeight == b.topHeight && a.bottomHeight == b.bottomHeight && a.leftWidth == b.leftWidth &&
         a.rightWidth == b.rightWidth && a.nw == b.nw && a.nnw == b.nnw && a.n == b.n && a.nne == b.nne &&
         a.ne == b.ne && a.sw == b.sw && a.ssw == b.ssw && a.s == b.s && a.sse == b.sse && a.se == b.se &&
         a.nww == b.nww && a.w == b.w && a.sww == b.sww && a.ww == b.ww && a.nee == b.nee && a.e == b.e &&
         a.see == b.see && a.ee == b.ee;
}

// A bubble that parses is written and must parse back into itself; only a
// connector beyond the last Unicode code point has no text form.
inline std::string checkBalloon(std::string_view text) {
  Bubble bubble;
  try {
    parseBalloon(bubble, text);
  } catch (const Bubble::ParseException&) {
    return "";
  }
  if (bubble.topHeight == 0 || bubble.bottomHeight == 0) return "a bubble without top or bottom lines";
  for (std::uint32_t* link : {&bubble.linkSlash, &bubble.linkBackslash, &bubble.linkX}) {
    if (*link >= 0x110000) *link = 0;
  }
  std::ostringstream written;
  writeBalloon(bubble, written);
  Bubble again;
  try {
    parseBalloon(again, written.str());
  } catch (const Bubble::ParseException& failure) {
    return "written text does not parse: " + failure.message();
  }
  return sameBubble(bubble, again) ? "" : "written text parses into another bubble";
}

}  // namespace trot::fuzz
