#include "render/rainbow.hpp"

#include <cstdlib>
#include <sstream>
#include <utility>

#include "model/utf8.hpp"
#include "render/text_piece.hpp"

namespace trot {

namespace {

// The text without its escape sequences, which colouring would tear apart.
std::string withoutEscapes(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  while (!text.empty()) {
    const TextPiece piece = nextPiece(text);
    if (piece.bytes.front() != '\x1b') kept += piece.bytes;
  }
  return kept;
}

}  // namespace

std::string rainbowText(std::string_view original, ColorFormat& format, const std::function<std::uint32_t()>& draw) {
  const auto next = [&] { return draw ? draw() : static_cast<std::uint32_t>(std::rand()); };
  const std::string plain = withoutEscapes(original);
  std::string_view text = plain;
  std::ostringstream out;
  while (!text.empty()) {
    std::string_view rest = text;
    decodeNext(rest);
    const std::size_t length = text.size() - rest.size();

    const auto hue = static_cast<std::uint8_t>(next() & 0xFF);
    const auto saturation = static_cast<std::uint8_t>(next() & 0xFF);
    format.setForeground(out, Color::fromHSV(hue, saturation, 255));
    out << text.substr(0, length);
    text = rest;
  }
  format.reset(out);
  // Moved out, not copied: the coloured text is many times the message.
  return std::move(out).str();
}

}  // namespace trot
