#include "render/terminal_safe_text.hpp"

#include "render/text_piece.hpp"

namespace trot {

std::string terminalSafeText(std::string_view text) {
  std::string safe;
  safe.reserve(text.size());
  while (!text.empty()) {
    const TextPiece piece = nextPiece(text);
    switch (piece.kind) {
      case PieceKind::Character: safe += shownBytes(piece); break;
      case PieceKind::LineBreak: safe += '\n'; break;
      case PieceKind::Tab:
      case PieceKind::Colour: safe += piece.bytes; break;
      case PieceKind::Hidden: break;
    }
  }
  return safe;
}

namespace {

std::string charactersOf(std::string_view text, bool withColours) {
  std::string kept;
  while (!text.empty()) {
    const TextPiece piece = nextPiece(text);
    if (piece.kind == PieceKind::Character) kept += shownBytes(piece);
    if (piece.kind == PieceKind::Colour && withColours) kept += piece.bytes;
  }
  return kept;
}

}  // namespace

std::string plainText(std::string_view text) { return charactersOf(text, false); }

std::string plainTextInColour(std::string_view text) { return charactersOf(text, true); }

}  // namespace trot
