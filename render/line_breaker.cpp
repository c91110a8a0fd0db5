#include "render/line_breaker.hpp"

#include <algorithm>
#include <array>

#include "model/column_width.hpp"
#include "render/text_piece.hpp"
#include "render/token_scan.hpp"

namespace trot {

namespace {

constexpr std::string_view kBreakCharacters = " /\\<>(){}[]";
constexpr std::size_t kTabStop = 8;

std::string withOffset(std::uint64_t offset, const std::string& message) {
  if (offset == LineBreakException::kNoOffset) return message;
  return message + " at offset " + std::to_string(offset);
}

constexpr std::array<bool, 0x80> kIsBreak = [] {
  std::array<bool, 0x80> table{};
  for (const char c : kBreakCharacters) table[static_cast<unsigned char>(c)] = true;
  return table;
}();

bool isBreak(std::uint32_t codePoint) { return codePoint < 0x80 && kIsBreak[codePoint]; }

bool startsWithNul(std::string_view bytes) { return !bytes.empty() && bytes.front() == '\0'; }

bool takesNoPlace(PieceKind kind) { return kind == PieceKind::Colour || kind == PieceKind::Hidden; }

// `second` follows `first` directly in the text.
Span joined(const Span& first, const Span& second) {
  if (first.text.empty()) return second;
  return Span{first.width + second.width, std::string_view(first.text.data(), first.text.size() + second.text.size())};
}

}  // namespace

// What is left of a token, measured for the start of a line. Past the
// line's width only "too wide" matters, so counting stops there: a word of
// any length is cut into lines in time linear in its length.
Span remeasured(std::string_view rest, std::size_t width) {
  std::size_t columns = 0;
  for (std::string_view bytes = rest; !bytes.empty() && columns <= width;) {
    if (isPlainAscii(bytes.front())) {
      bytes.remove_prefix(1);
      ++columns;
      continue;
    }
    const TextPiece piece = nextPiece(bytes);
    if (takesNoPlace(piece.kind)) continue;
    columns += piece.kind == PieceKind::Tab ? kTabStop - columns % kTabStop : columnWidth(piece.codePoint);
  }
  return Span{columns, rest};
}

bool scanToken(std::string_view& bytes, TokenScan& scan, std::size_t column, std::size_t lookahead) {
  while (!bytes.empty()) {
    if (startsWithNul(bytes)) return true;
    if (isPlainAscii(bytes.front())) {
      const bool breaks = kIsBreak[static_cast<unsigned char>(bytes.front())];
      if (scan.seenBreak && !breaks) return true;
      bytes.remove_prefix(1);
      ++scan.width;
      scan.seenBreak = scan.seenBreak || breaks;
      scan.started = true;
      continue;
    }
    const std::string_view beforePiece = bytes;
    const TextPiece piece = nextPiece(bytes);
    if (bytes.size() < lookahead) {
      bytes = beforePiece;
      return false;
    }
    if (takesNoPlace(piece.kind)) {
      scan.started = true;
      continue;
    }
    if (piece.kind == PieceKind::LineBreak) {
      if (scan.started) bytes = beforePiece;
      return true;
    }
    const bool breaks = piece.kind == PieceKind::Tab || isBreak(piece.codePoint);
    if (scan.seenBreak && !breaks) {
      bytes = beforePiece;
      return true;
    }
    const std::size_t at = column + scan.width;
    scan.width += piece.kind == PieceKind::Tab ? kTabStop - at % kTabStop : columnWidth(piece.codePoint);
    scan.seenBreak = scan.seenBreak || breaks;
    scan.started = true;
  }
  return lookahead == 0;
}

LineBreakException::LineBreakException(std::uint64_t offset, const std::string& message)
    : Exception(withOffset(offset, message)), offset_(offset) {}

std::size_t tabColumns(std::size_t column, std::size_t width) {
  const std::size_t room = width > column ? width - column : 0;
  return std::min(kTabStop - column % kTabStop, room);
}

bool isLineBreak(const Span& token) { return token.text == "\n" || token.text == "\r\n"; }

Span nextToken(std::string_view& bytes, std::size_t column) {
  const std::string_view start = bytes;
  TokenScan scan;
  scanToken(bytes, scan, column, 0);
  return Span{scan.width, start.substr(0, start.size() - bytes.size())};
}

bool pushToken(Span& line, Span& token, std::size_t width) {
  if (token.text.empty()) return false;
  if (!line.text.empty() && token.text.data() != line.text.data() + line.text.size()) {
    throw LineBreakException(LineBreakException::kNoOffset, "Failed to push line, missmatching end and start");
  }

  if (line.width + token.width <= width) {
    line = joined(line, token);
    token = Span{};
    return false;
  }

  const std::size_t room = width > line.width ? width - line.width : 0;
  const bool lineHasNoCharacter = line.width == 0;
  std::size_t taken = 0;
  std::string_view rest = token.text;
  while (!rest.empty()) {
    // Escape sequences go with the character after them, so one that stands
    // right at the cut moves to the next line.
    std::string_view ahead = rest;
    TextPiece piece = nextPiece(ahead);
    while (takesNoPlace(piece.kind) && !ahead.empty()) piece = nextPiece(ahead);
    if (takesNoPlace(piece.kind)) break;
    const std::size_t columns = piece.kind == PieceKind::Tab ? tabColumns(line.width + taken, width)
                                                              : columnWidth(piece.codePoint);
    const bool fits = taken + columns <= room || (lineHasNoCharacter && taken == 0);
    if (!fits) break;
    taken += columns;
    rest = ahead;
  }

  Span left = remeasured(rest, width);
  // Nothing visible left (trailing escapes or marks): it stays on this line
  // rather than making a line of its own.
  if (left.width == 0) rest = rest.substr(rest.size());
  const std::size_t takenBytes = token.text.size() - rest.size();
  line = joined(line, Span{taken, token.text.substr(0, takenBytes)});
  token = left.width == 0 ? Span{} : left;
  return true;
}

std::size_t measureWidth(std::string_view text, std::size_t maxWidth) {
  WholeText source(text);
  return measureWidth(source, maxWidth);
}

std::vector<Span> breakLines(std::string_view text, std::size_t width) {
  WholeText source(text);
  std::vector<Span> lines;
  breakLines(source, width, [&](const Span& line, std::uint64_t position, bool) {
    lines.push_back(Span{line.width, text.substr(static_cast<std::size_t>(position), line.text.size())});
  });
  return lines;
}

}  // namespace trot
