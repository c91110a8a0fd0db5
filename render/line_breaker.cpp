#include "render/line_breaker.hpp"

#include <algorithm>
#include <array>
#include <optional>

#include "model/column_width.hpp"
#include "render/text_piece.hpp"

namespace trot {

namespace {

constexpr std::string_view kBreakCharacters = " /\\<>(){}[]";
constexpr std::size_t kTabStop = 8;

constexpr std::array<bool, 0x80> kIsBreak = [] {
  std::array<bool, 0x80> table{};
  for (const char c : kBreakCharacters) table[static_cast<unsigned char>(c)] = true;
  return table;
}();

bool isBreak(std::uint32_t codePoint) { return codePoint < 0x80 && kIsBreak[codePoint]; }

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

// A text read token by token. A token is a run of characters that are not
// break characters followed by a run of ones that are, either run possibly
// empty; a line break is a token of its own.
class Tokens {
 public:
  explicit Tokens(std::string_view text) : rest_(text.substr(0, text.find('\0'))) {}

  bool ended() const { return rest_.empty(); }
  // The next token, its tabs measured from `column` of its line.
  Span next(std::size_t column);

 private:
  std::string_view rest_;
};

Span Tokens::next(std::size_t column) {
  const std::string_view start = rest_;
  std::size_t width = 0;
  bool seenBreak = false;
  bool started = false;
  while (!rest_.empty()) {
    // Most text is printable ASCII, one column a byte.
    if (isPlainAscii(rest_.front())) {
      const bool breaks = kIsBreak[static_cast<unsigned char>(rest_.front())];
      if (seenBreak && !breaks) break;
      rest_.remove_prefix(1);
      ++width;
      seenBreak = seenBreak || breaks;
      started = true;
      continue;
    }
    const std::string_view beforePiece = rest_;
    const TextPiece piece = nextPiece(rest_);
    if (takesNoPlace(piece.kind)) {
      started = true;
      continue;
    }
    if (piece.kind == PieceKind::LineBreak) {
      if (started) rest_ = beforePiece;
      break;
    }
    const bool breaks = piece.kind == PieceKind::Tab || isBreak(piece.codePoint);
    if (seenBreak && !breaks) {
      rest_ = beforePiece;
      break;
    }
    width += columnsAt(piece, column + width);
    seenBreak = seenBreak || breaks;
    started = true;
  }
  return Span{width, start.substr(0, start.size() - rest_.size())};
}

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
  for (Tokens tokens(text); !tokens.ended();) {
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
  for (Tokens tokens(text); !tokens.ended();) {
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

void breakLines(std::string_view text, std::size_t width, const LineTaker& take) { LineBreaker(width, take).run(text); }

}  // namespace trot
