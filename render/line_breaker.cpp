#include "render/line_breaker.hpp"

#include <algorithm>
#include <optional>
#include <utility>

#include "model/column_width.hpp"
#include "render/text_piece.hpp"

namespace trot {

namespace {

constexpr std::size_t kTabStop = 8;

bool takesNoPlace(PieceKind kind) { return kind == PieceKind::Colour || kind == PieceKind::Hidden; }

bool isLineBreak(const Span& token) { return token.text == "\n" || token.text == "\r\n"; }

// Columns of a piece that takes a place, `column` columns into its line.
std::size_t columnsAt(const TextPiece& piece, std::size_t column) {
  return piece.kind == PieceKind::Tab ? kTabStop - column % kTabStop : columnWidth(piece.codePoint);
}

// `second` follows `first` directly in the text.
Span joined(const Span& first, const Span& second) {
  if (first.text.empty()) return second;
  return Span{first.width + second.width, std::string_view(first.text.data(), first.text.size() + second.text.size())};
}

// A tab is a space that takes more columns; escape sequences and controls,
// which terminals do not show, go with the character before them.
LineBreakClass classOf(const TextPiece& piece) {
  if (piece.kind == PieceKind::Tab) return LineBreakClass::SP;
  return piece.kind == PieceKind::Character ? lineBreakClass(piece.codePoint) : LineBreakClass::CM;
}

// The class of the first character in `text` that does not go with the one
// before it.
LineBreakClass nextClass(std::string_view text) {
  while (!text.empty()) {
    const TextPiece piece = nextPiece(text);
    if (piece.kind == PieceKind::LineBreak) return LineBreakClass::LF;
    const LineBreakClass c = classOf(piece);
    if (c != LineBreakClass::CM && c != LineBreakClass::ZWJ) return c;
  }
  return LineBreakClass::AL;
}

}  // namespace

Span LineTokens::next(std::size_t column) {
  const std::string_view start = rest_;
  std::size_t width = 0;
  while (!rest_.empty()) {
    const std::string_view beforePiece = rest_;
    const TextPiece piece = nextPiece(rest_);
    if (piece.kind == PieceKind::LineBreak) {
      // A line starts afresh, as the text did.
      if (beforePiece.data() == start.data()) rules_ = BreakRules();
      else rest_ = beforePiece;
      break;
    }
    const LineBreakClass c = classOf(piece);
    const bool opensNumber = c == LineBreakClass::OP || c == LineBreakClass::HY;
    if (!std::exchange(breakDecided_, false) && rules_.breaksBefore(c, opensNumber ? nextClass(rest_) : c)) {
      rest_ = beforePiece;
      breakDecided_ = true;
      break;
    }
    if (!takesNoPlace(piece.kind)) width += columnsAt(piece, column + width);
  }
  return Span{width, start.substr(0, start.size() - rest_.size())};
}

namespace {

// What is left of a token, measured for the start of a line. Past the
// line's width only "too wide" matters, so counting stops there: a word of
// any length is cut into lines in time linear in its length.
Span remeasured(std::string_view rest, std::size_t width) {
  std::size_t columns = 0;
  for (std::string_view bytes = rest; !bytes.empty() && columns <= width;) {
    const TextPiece piece = nextPiece(bytes);
    if (!takesNoPlace(piece.kind)) columns += columnsAt(piece, columns);
  }
  return Span{columns, rest};
}

// Appends as much of `token` to `line` as fits into `width` columns and
// gives true when the line is full and must be closed; what is left of the
// token is then measured for the start of a new line.
bool pushToken(Span& line, Span& token, std::size_t width) {
  if (token.text.empty()) return false;
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
  line = joined(line, Span{taken, token.text.substr(0, token.text.size() - rest.size())});
  token = left.width == 0 ? Span{} : left;
  return true;
}

// Lines are handed on one behind, as a line break that follows a full line,
// or escapes after the last line break, still join the line before.
class LineBreaker {
 public:
  LineBreaker(std::size_t width, const LineTaker& take) : width_(width), take_(take) {}

  void run(std::string_view text);

 private:
  void close(bool full);
  void finish();

  std::size_t width_;
  const LineTaker& take_;
  Span line_;
  std::optional<Span> held_;
  bool heldIsFull_ = false;
};

void LineBreaker::close(bool full) {
  if (held_) take_(*held_, false);
  held_ = line_;
  line_ = Span{};
  heldIsFull_ = full;
}

void LineBreaker::run(std::string_view text) {
  for (LineTokens tokens(text); !tokens.ended();) {
    Span token = tokens.next(line_.width);
    if (isLineBreak(token)) {
      if (line_.text.empty() && heldIsFull_) {
        held_ = joined(*held_, token);
        heldIsFull_ = false;
      } else {
        line_ = joined(line_, token);
        close(false);
      }
      continue;
    }
    if (line_.width > 0 && line_.width + token.width > width_) {
      close(true);
      // Only tabs measure otherwise at the start of a line.
      if (token.text.find('\t') != std::string_view::npos) token = remeasured(token.text, width_);
    }
    while (pushToken(line_, token, width_)) close(true);
    if (!line_.text.empty()) heldIsFull_ = false;
  }
  finish();
}

void LineBreaker::finish() {
  if (line_.text.empty()) {
    if (held_) take_(*held_, true);
  } else if (line_.width == 0 && held_) {
    take_(joined(*held_, line_), true);
  } else {
    if (held_) take_(*held_, false);
    take_(line_, true);
  }
}

}  // namespace

std::size_t tabColumns(std::size_t column, std::size_t width) {
  const std::size_t room = width > column ? width - column : 0;
  return std::min(kTabStop - column % kTabStop, room);
}

std::size_t measureWidth(std::string_view text, std::size_t maxWidth) {
  std::size_t widest = 0;
  std::size_t width = 0;
  for (LineTokens tokens(text); !tokens.ended();) {
    const Span token = tokens.next(width);
    if (isLineBreak(token)) {
      widest = std::max(widest, width);
      width = 0;
      continue;
    }
    if (width + token.width > maxWidth) return maxWidth;
    width += token.width;
  }
  return std::max(widest, width);
}

bool hasLinesOfItsOwn(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  const std::size_t lineFeed = text.find('\n');
  return lineFeed != std::string_view::npos && lineFeed + 1 < text.size();
}

void breakLines(std::string_view text, std::size_t width, const LineTaker& take) { LineBreaker(width, take).run(text); }

}  // namespace trot
