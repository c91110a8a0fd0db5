// Reads text the way a terminal reads it (UTF-8, ECMA-48 escape sequences),
// one piece at a time, so that what is measured and what is printed agree.
#pragma once

#include <cstdint>
#include <string_view>

namespace trot {

enum class PieceKind {
  Character,  // shown; codePoint says which
  LineBreak,  // a line feed, or a carriage return and a line feed
  Tab,
  Colour,  // an SGR sequence: zero width, printed only when colour is wanted
  Hidden,  // any other escape sequence or control: zero width, never printed
};

struct TextPiece {
  PieceKind kind;
  std::string_view bytes;  // as they stand in the text
  // For a Character: the code point, U+FFFD for a byte that is not part of
  // well-formed UTF-8.
  std::uint32_t codePoint = 0;
};

// nextPiece for a text that does not start with plain ASCII.
TextPiece nextDecodedPiece(std::string_view& text);

// The bytes that show a Character: its own, or U+FFFD's for a byte that is
// not well-formed UTF-8 (a single byte at or above 0x80 never is).
inline std::string_view shownBytes(const TextPiece& character) {
  const bool invalid = character.bytes.size() == 1 && static_cast<unsigned char>(character.bytes[0]) >= 0x80;
  return invalid ? std::string_view("\xEF\xBF\xBD") : character.bytes;
}

// Takes the next piece off the front of a non-empty `text`. A control
// sequence (ESC '[') runs to its final byte, a control string (OSC, DCS, SOS,
// PM, APC) to BEL or ESC '\', the console palette sequence (ESC "]P") over
// seven bytes, any other escape over its intermediates and final byte; one
// cut short by the end of the text takes the rest of it, and one broken by a
// byte that cannot belong to it ends before that byte. C0 controls other
// than tab and line feed, a carriage return not followed by a line feed,
// DEL and C1 controls are Hidden.
inline TextPiece nextPiece(std::string_view& text) {
  // Most text is printable ASCII, each byte a character of its own.
  if (text.front() < 0x20 || text.front() >= 0x7F) return nextDecodedPiece(text);
  const TextPiece character{PieceKind::Character, {text.data(), 1}, static_cast<unsigned char>(text.front())};
  text.remove_prefix(1);
  return character;
}

}  // namespace trot
