// The line breaker reading its text through a window, for texts too large
// to hold (see breakLines over a TextSource).
#include <algorithm>
#include <optional>

#include "model/column_width.hpp"
#include "render/line_breaker.hpp"
#include "render/text_piece.hpp"
#include "render/text_window.hpp"
#include "render/token_scan.hpp"

namespace trot {

namespace {

// A piece looks at most a few bytes past its end (a broken character, a
// carriage return): one that leaves this many after it in the window reads
// the same whatever comes next.
constexpr std::size_t kLookahead = 8;

// A stretch of the text: its columns, and where its bytes begin and end.
struct Stretch {
  std::size_t width = 0;
  std::uint64_t begin = 0;
  std::uint64_t end = 0;

  bool empty() const { return begin == end; }
};

// `second` follows `first` directly in the text.
Stretch joined(const Stretch& first, const Stretch& second) {
  if (first.empty()) return second;
  return Stretch{first.width + second.width, first.begin, first.end + (second.end - second.begin)};
}

// A token as far as it has been read. While `open`, the token goes on past
// `end`, where reading stopped, and `width` only says it is wider than what
// it is compared with.
struct WindowToken : Stretch {
  bool open = true;
  std::size_t column = 0;
  TokenScan scan;
};

// Columns of the characters other than tabs, the ones that can never join a
// full line, up to `enough`.
std::size_t solidColumns(std::string_view bytes, std::size_t enough) {
  std::size_t columns = 0;
  while (!bytes.empty() && columns < enough) {
    if (isPlainAscii(bytes.front())) {
      bytes.remove_prefix(1);
      ++columns;
      continue;
    }
    const TextPiece piece = nextPiece(bytes);
    if (piece.kind == PieceKind::Character) columns += columnWidth(piece.codePoint);
  }
  return columns;
}

// Reads tokens out of a window over the text. A token is read to its end,
// unless it is wider than the caller needs to know: a word as long as the
// whole text is then read only a few lines ahead of its breaking.
class TokenReader {
 public:
  explicit TokenReader(TextSource& source) : window_(source) {}

  TextWindow& window() { return window_; }
  Span view(const Stretch& stretch) const {
    if (stretch.empty()) return Span{stretch.width, {}};
    return Span{stretch.width, window_.range(stretch.begin, stretch.end)};
  }

  // The token at `position` of a line `column` columns wide; open only when
  // it is already wider than `wide`.
  WindowToken token(std::uint64_t position, std::size_t column, std::size_t wide) {
    WindowToken token;
    token.begin = token.end = position;
    token.column = column;
    readOn(token);
    while (token.open && token.scan.width <= wide) {
      window_.readMore();
      readOn(token);
    }
    token.width = token.scan.width;
    return token;
  }

  // Reads on until the token has ended or enough of it is in the window for
  // pushToken and remeasured, which look at most a line and a character
  // ahead, to see what they would see in the whole token.
  void readAhead(WindowToken& token, std::size_t lineWidth) {
    const std::size_t enough = 2 * lineWidth + 2;
    while (token.open && solidColumns(window_.range(token.begin, token.end), enough) < enough) {
      window_.readMore();
      readOn(token);
    }
  }

 private:
  void readOn(WindowToken& token) {
    std::string_view bytes = window_.from(token.end);
    token.open = !scanToken(bytes, token.scan, token.column, window_.ended() ? 0 : kLookahead);
    token.end = window_.end() - bytes.size();
  }

  TextWindow window_;
};

// breakLines over a window. Every line closed is held back until the next
// one closes, since a line break or trailing escapes may still join it.
class WindowBreaker {
 public:
  WindowBreaker(TextSource& text, std::size_t width, const LineTaker& take)
      : reader_(text), width_(width), take_(take) {}

  void run();

 private:
  void give(const Stretch& line, bool last) { take_(reader_.view(line), line.begin, last); }
  void closeLine(bool full);
  bool push(WindowToken& token);
  void finish();

  TokenReader reader_;
  std::size_t width_;
  const LineTaker& take_;
  Stretch line_;
  std::optional<Stretch> held_;
  bool lineWasFull_ = false;
};

void WindowBreaker::closeLine(bool full) {
  if (held_) give(*held_, false);
  held_ = line_;
  line_ = Stretch{};
  lineWasFull_ = full;
  reader_.window().release(held_->begin);
}

// pushToken on the window: the token's rest, if any, stays in `token`.
bool WindowBreaker::push(WindowToken& token) {
  reader_.readAhead(token, width_);
  TextWindow& window = reader_.window();
  Span line = reader_.view(line_);
  Span piece = reader_.view(token);
  const bool full = pushToken(line, piece, width_);
  if (!line.text.empty()) {
    const std::uint64_t begin = window.positionOf(line.text.data());
    line_ = Stretch{line.width, begin, begin + line.text.size()};
  }
  token.width = piece.width;
  token.begin = piece.text.empty() ? token.end : window.positionOf(piece.text.data());
  return full;
}

void WindowBreaker::run() {
  TextWindow& window = reader_.window();
  std::uint64_t position = 0;
  while (window.hasTextAt(position)) {
    WindowToken token = reader_.token(position, line_.width, width_);
    if (!token.open && isLineBreak(reader_.view(token))) {
      if (line_.empty() && lineWasFull_) {
        held_ = joined(*held_, token);
        lineWasFull_ = false;
      } else {
        line_ = joined(line_, token);
        closeLine(false);
      }
      position = token.end;
      continue;
    }
    if (line_.width > 0 && line_.width + token.width > width_) {
      closeLine(true);
      reader_.readAhead(token, width_);
      token.width = remeasured(window.range(token.begin, token.end), width_).width;
    }
    while (push(token)) closeLine(true);
    if (!line_.empty()) lineWasFull_ = false;
    position = token.end;
    if (!held_ && line_.empty()) window.release(position);
  }
  finish();
}

void WindowBreaker::finish() {
  if (line_.empty()) {
    if (held_) give(*held_, true);
  } else if (line_.width == 0 && held_) {
    // Escapes after the last line break, such as the reset that ends a
    // coloured text, belong to the last line rather than making a new one.
    give(joined(*held_, line_), true);
  } else {
    if (held_) give(*held_, false);
    give(line_, true);
  }
}

}  // namespace

std::size_t measureWidth(TextSource& text, std::size_t maxWidth) {
  TokenReader reader(text);
  TextWindow& window = reader.window();
  std::size_t widest = 0;
  std::size_t width = 0;
  std::uint64_t position = 0;
  while (window.hasTextAt(position)) {
    const WindowToken token = reader.token(position, width, maxWidth);
    if (token.open) return maxWidth;
    const bool lineBreak = isLineBreak(reader.view(token));
    position = token.end;
    window.release(position);
    if (lineBreak) {
      widest = std::max(widest, width);
      width = 0;
      continue;
    }
    if (width + token.width > maxWidth) return maxWidth;
    width += token.width;
  }
  return std::max(widest, width);
}

void breakLines(TextSource& text, std::size_t width, const LineTaker& take) { WindowBreaker(text, width, take).run(); }

}  // namespace trot
