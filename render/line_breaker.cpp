#include "render/line_breaker.hpp"

#include <algorithm>
#include <utility>

#include "model/column_width.hpp"
#include "render/text_piece.hpp"

namespace trot {

namespace {

constexpr std::size_t kTabStop = 8;

bool takesNoPlace(PieceKind kind) { return kind == PieceKind::Colour || kind == PieceKind::Hidden; }

bool isLineBreak(const Span& token) { return token.text == "\n" || token.text == "\r\n"; }

// `second` follows `first` directly in the text.
Span joined(const Span& first, const Span& second) {
  if (first.text.empty()) return second;
  return Span{first.width + second.width, std::string_view(first.text.data(), first.text.size() + second.text.size())};
}

LineBreakClass asciiClass(char byte) { return lineBreakClass(static_cast<unsigned char>(byte)); }

bool isAsciiWord(char byte) {
  const auto c = static_cast<LineBreakClass>(kAsciiLineBreakClasses[static_cast<unsigned char>(byte) & 0x7F]);
  return static_cast<unsigned char>(byte) < 0x80 && (c == LineBreakClass::AL || c == LineBreakClass::NU);
}

// A tab is a space that takes more columns; escape sequences and controls,
// which terminals do not show, go with the character before them.
LineBreakClass classOf(const TextPiece& piece) {
  if (piece.kind == PieceKind::Tab) return LineBreakClass::SP;
  return piece.kind == PieceKind::Character ? lineBreakClass(piece.codePoint) : LineBreakClass::CM;
}

}  // namespace

Span LineTokens::restIfHidden() {
  for (std::string_view rest = rest_; !rest.empty();) {
    if (!takesNoPlace(nextPiece(rest).kind)) return Span{};
  }
  return Span{0, std::exchange(rest_, {})};
}

Span LineTokens::next(std::size_t column, std::size_t lineEnd) {
  const std::string_view start = rest_;
  std::size_t width = 0;
  // Where the token ends when cut: after its last visible character. The
  // escapes after it are read again with the next token, which changes
  // nothing, as they go with the character before them.
  std::string_view cutAt = rest_;
  cut_ = false;
  while (!rest_.empty()) {
    const std::string_view beforePiece = rest_;
    // Most text: ASCII letters and digits that start the token or go on with
    // a word, then spaces, a column each and no break before any; a letter
    // after the spaces starts a token. Read one past the room at most: a
    // long word is cut in linear time.
    const std::size_t at = column + width;
    const std::size_t room = at < lineEnd ? lineEnd - at : std::size_t{at == 0};
    const std::size_t limit = std::min(rest_.size(), room + 1);
    std::size_t letters = 0;
    if (isAsciiWord(rest_[0]) && (beforePiece.data() == start.data() || rules_.continuesWord(asciiClass(rest_[0])))) {
      while (++letters < limit && isAsciiWord(rest_[letters])) continue;
    }
    std::size_t run = letters;
    while (letters > 0 && run < limit && rest_[run] == ' ') ++run;
    if (run > 0) {
      const std::size_t taken = std::min(run, room);
      const std::size_t lettersTaken = std::min(letters, taken);
      if (lettersTaken > 0) rules_.readWord(asciiClass(rest_[lettersTaken - 1]), taken > lettersTaken);
      width += taken;
      rest_.remove_prefix(taken);
      if (taken > 0) cutAt = rest_;
      if (taken < run) {
        rest_ = cutAt;
        cut_ = true;
        break;
      }
      if (run > letters && !rest_.empty() && isAsciiWord(rest_[0])) break;
      continue;
    }
    const TextPiece piece = nextPiece(rest_);
    if (piece.kind == PieceKind::LineBreak) {
      // A line starts afresh, as the text did.
      if (beforePiece.data() == start.data()) rules_ = BreakRules();
      else rest_ = beforePiece;
      break;
    }
    const LineBreakClass c = classOf(piece);
    if (beforePiece.data() != start.data() && rules_.breaksBefore(c)) {
      rest_ = beforePiece;
      break;
    }
    if (!takesNoPlace(piece.kind)) {
      const std::size_t columns = piece.kind == PieceKind::Tab ? tabColumns(at, lineEnd) : columnWidth(piece.codePoint);
      if (at + columns > lineEnd && at > 0) {
        rest_ = cutAt;
        cut_ = true;
        break;
      }
      width += columns;
      cutAt = rest_;
    }
    rules_.read(c);
  }
  return Span{width, start.substr(0, start.size() - rest_.size())};
}

std::size_t tabColumns(std::size_t column, std::size_t width) {
  const std::size_t room = width > column ? width - column : 0;
  return std::min(kTabStop - column % kTabStop, room);
}

std::size_t measureWidth(std::string_view text, std::size_t maxWidth) {
  std::size_t widest = 0;
  std::size_t width = 0;
  for (LineTokens tokens(text); !tokens.ended();) {
    const Span token = tokens.next(width, maxWidth);
    if (tokens.cut() || width + token.width > maxWidth) return maxWidth;
    if (isLineBreak(token)) widest = std::max(widest, std::exchange(width, 0));
    else width += token.width;
  }
  return std::max(widest, width);
}

bool hasLinesOfItsOwn(std::string_view text) {
  const std::size_t lineFeed = text.find('\n');
  return lineFeed != std::string_view::npos && lineFeed + 1 < text.size();
}

void breakLines(std::string_view text, std::size_t width, const LineTaker& take, std::size_t mostLines) {
  LineTokens tokens(text);
  Span line;
  std::size_t taken = 0;
  // Hands the line over; false once enough lines are taken.
  const auto hand = [&](bool last) {
    take(std::exchange(line, Span{}), last);
    return ++taken < mostLines;
  };
  while (!tokens.ended()) {
    const LineTokens before = tokens;
    const Span token = tokens.next(line.width, width);
    // A token that fits on a line of its own is never cut: it starts one.
    if (tokens.cut() && line.width > 0) {
      if (!hand(false)) return;
      tokens = before;
      continue;
    }
    line = joined(line, token);
    if (isLineBreak(token)) {
      // Escapes that end the text, such as a final reset, stay on its last line.
      line = joined(line, tokens.restIfHidden());
      if (!hand(tokens.ended())) return;
    } else if (tokens.cut()) {
      if (!hand(false)) return;
    }
  }
  if (!line.text.empty()) take(line, true);
}

}  // namespace trot
