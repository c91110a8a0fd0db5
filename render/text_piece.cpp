#include "render/text_piece.hpp"

#include <algorithm>

#include "model/column_width.hpp"
#include "model/utf8.hpp"

namespace trot {

namespace {

constexpr char kEscape = '\x1b';
constexpr char kBell = '\x07';
constexpr std::size_t kPaletteArguments = 7;
constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

bool inRange(char byte, unsigned low, unsigned high) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= low && value <= high;
}

bool isIntermediate(char byte) { return inRange(byte, 0x20, 0x2F); }

// Length of the control string that starts at `text[start]`, up to and
// including its terminator (BEL or ESC '\').
std::size_t controlStringEnd(std::string_view text, std::size_t start) {
  for (std::size_t i = start; i < text.size(); ++i) {
    if (text[i] == kBell) return i + 1;
    if (text[i] == kEscape && i + 1 < text.size() && text[i + 1] == '\\') return i + 2;
  }
  return text.size();
}

// `text` starts with ESC. Gives the sequence's kind and length.
TextPiece escapeSequence(std::string_view text) {
  auto piece = [&](PieceKind kind, std::size_t length) {
    return TextPiece{kind, text.substr(0, std::min(length, text.size()))};
  };
  if (text.size() == 1) return piece(PieceKind::Hidden, 1);

  if (const std::size_t colour = colourSequenceLength(text); colour > 0) return piece(PieceKind::Colour, colour);
  const char introducer = text[1];
  if (introducer == '[') {
    std::size_t i = 2;
    while (i < text.size() && inRange(text[i], 0x30, 0x3F)) ++i;
    while (i < text.size() && isIntermediate(text[i])) ++i;
    if (i == text.size() || !inRange(text[i], 0x40, 0x7E)) return piece(PieceKind::Hidden, i);
    return piece(PieceKind::Hidden, i + 1);
  }
  if (introducer == ']' && text.size() > 2 && text[2] == 'P') return piece(PieceKind::Hidden, 3 + kPaletteArguments);
  if (introducer == ']' || introducer == 'P' || introducer == 'X' || introducer == '^' || introducer == '_') {
    return piece(PieceKind::Hidden, controlStringEnd(text, 2));
  }
  std::size_t i = 1;
  while (i < text.size() && isIntermediate(text[i])) ++i;
  if (i < text.size() && inRange(text[i], 0x30, 0x7E)) ++i;
  return piece(PieceKind::Hidden, i);
}

}  // namespace

TextPiece nextDecodedPiece(std::string_view& text) {
  TextPiece piece;
  switch (text.front()) {
    case kEscape: piece = escapeSequence(text); break;
    case '\n': piece = {PieceKind::LineBreak, text.substr(0, 1)}; break;
    case '\t': piece = {PieceKind::Tab, text.substr(0, 1)}; break;
    case '\r':
      piece = text.starts_with("\r\n") ? TextPiece{PieceKind::LineBreak, text.substr(0, 2)}
                                       : TextPiece{PieceKind::Hidden, text.substr(0, 1)};
      break;
    default: {
      std::string_view rest = text;
      const std::uint32_t codePoint = decodeStrict(rest);
      const std::string_view bytes = text.substr(0, text.size() - rest.size());
      const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
      if (control) {
        piece = {PieceKind::Hidden, bytes};
      } else {
        piece = {PieceKind::Character, bytes, codePoint == kInvalidByte ? kReplacementCharacter : codePoint};
      }
    }
  }
  text.remove_prefix(piece.bytes.size());
  return piece;
}

}  // namespace trot
