// What must hold for any input to the converter's text readers. Shared by the
// fuzz targets and by the test that replays their corpus and regressions.
// Each check gives an empty text when the input was handled soundly, else a
// description of what went wrong; readers may only fail with their own
// parse exception.
#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "converter/balloon_text.hpp"
#include "converter/picture_art.hpp"
#include "converter/picture_decoder.hpp"
#include "converter/picture_file_checks.hpp"
#include "model/art_text_reader.hpp"
#include "render/art_renderer.hpp"
#include "render/color_format.hpp"

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

// Mutated PNG files nearly always fail their CRC check; with the CRC of
// every whole chunk made right again, they reach the decoder instead.
inline std::string withCrcsMended(std::string bytes) {
  const auto bigEndian = [&](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  if (!bytes.starts_with("\x89PNG\r\n\x1a\n")) return bytes;
  for (std::size_t at = 8; bytes.size() - at >= 12 && bigEndian(at) <= bytes.size() - at - 12;) {
    const std::size_t end = at + 8 + bigEndian(at);
    const std::uint32_t crc = pngCrc(std::string_view(bytes).substr(at + 4, end - at - 4));
    for (std::size_t i = 0; i < 4; ++i) bytes[end + i] = static_cast<char>(crc >> (24 - 8 * i));
    at = end + 4;
  }
  return bytes;
}

// A picture that can be read becomes an art within its box and the
// format's limits (the box, taken from the input's length, may be larger),
// whose file reads back as that art: only rows without cells are lost, as
// the text format drops them.
inline std::string checkPicture(std::string_view input) {
  const std::string bytes = withCrcsMended(std::string(input));
  const ArtBox box{1 + bytes.size() % 300, 1 + bytes.size() % 270};
  AsciiArt art;
  try {
    art = artFromPicture(decodePicture(bytes), box, bytes.size() % 2 == 0);
  } catch (const PictureException&) {
    return "";
  }
  if (art.rows.size() > std::min(box.rows, kMostBoxRows) + kConnectorRows) return "more rows than the box holds";
  std::size_t width = 0;
  for (const auto& row : art.rows) width = std::max(width, row.indent + row.cells.size());
  if (width != art.width) return "the art's width is not that of its widest row";
  if (width > std::max(std::min(box.columns, kMostBoxColumns), kConnectorRows * 2)) return "wider than the box";

  ColorFormatANSI format;
  AsciiArt again;
  std::ostringstream messages;
  try {
    parseArtText(again, artFileText("Fuzz", art, format), nullptr, messages);
  } catch (const AsciiArt::ParserException& failure) {
    return "the art file does not parse: " + failure.message();
  }
  if (!messages.str().empty()) return "reading the art file reported: " + messages.str();
  std::erase_if(art.rows, [](const ArtRow& row) { return row.cells.empty(); });
  if (again.rows != art.rows || again.width != art.width || again.bubbleAbove != art.bubbleAbove) {
    return "the art file reads back as another art";
  }
  return "";
}

}  // namespace trot::fuzz
