#include "render/rainbow.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

#include "model/utf8.hpp"
#include "render/text_piece.hpp"

namespace trot {

// No piece but an escape sequence holds an ESC byte, so everything up to the
// next one is kept.
void removeEscapes(std::string& text) {
  constexpr char kEscape = '\x1b';
  std::size_t kept = 0;
  for (std::size_t read = 0; read < text.size();) {
    const std::size_t escape = std::min(text.find(kEscape, read), text.size());
    std::memmove(text.data() + kept, text.data() + read, escape - read);
    kept += escape - read;
    std::string_view sequence = std::string_view(text).substr(escape);
    read = escape + (sequence.empty() ? 0 : nextPiece(sequence).bytes.size());
  }
  text.resize(kept);
}

Rainbow::Rainbow(std::string_view text, ColorFormat& format, std::function<std::uint32_t()> draw)
    : text_(text), format_(format), draw_(std::move(draw)) {}

void Rainbow::colour(std::ostream& output, const char* character) {
  const auto position = static_cast<std::size_t>(character - text_.data());
  while (drawnTo_ <= position && drawnTo_ < text_.size()) {
    const auto hue = static_cast<std::uint8_t>(draw_() & 0xFF);
    const auto saturation = static_cast<std::uint8_t>(draw_() & 0xFF);
    current_ = Color::fromHSV(hue, saturation, 255);
    std::string_view rest = text_.substr(drawnTo_);
    decodeNext(rest);
    drawnTo_ = text_.size() - rest.size();
  }
  format_.setForeground(output, current_);
}

}  // namespace trot
