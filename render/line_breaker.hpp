// Cuts a text into lines no wider than a bubble allows. Widths are terminal
// columns (see model/column_width.hpp); escape sequences and controls take
// none. Lines are views into the caller's text, which must outlive them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "render/line_break_rules.hpp"

namespace trot {

// A stretch of the text, a line or a token: its bytes, escape sequences and
// line breaks included, and the columns of its visible characters.
struct Span {
  std::size_t width = 0;
  std::string_view text;
};

// A text read token by token, each running to where Unicode's rules let a
// line break (tabs count as spaces; escapes and controls go with the
// character before). A line break is a token of its own; a NUL is a control
// like any other. Copies read on independently.
class LineTokens {
 public:
  explicit LineTokens(std::string_view text) : rest_(text) {}

  bool ended() const { return rest_.empty(); }
  // The next token, placed at `column` of a line that ends at `lineEnd`; one
  // that does not fit is cut() before the first character that would pass
  // the end (with the escapes before it) unless that one starts the line.
  Span next(std::size_t column, std::size_t lineEnd);
  bool cut() const { return cut_; }
  // The rest of the text when none of it takes a column, else nothing.
  Span restIfHidden();

 private:
  std::string_view rest_;
  BreakRules rules_;
  bool cut_ = false;
};

// Columns a tab takes at `column` of a line `width` columns wide: to the next
// multiple of 8, but never past the end of the line.
std::size_t tabColumns(std::size_t column, std::size_t width);

// The width the lines need: the widest line of the text when every line fits
// into `maxWidth`, else `maxWidth`.
std::size_t measureWidth(std::string_view text, std::size_t maxWidth);

// Whether the text has lines of its own: a line break before its last line
// (one that ends the text does not count).
bool hasLinesOfItsOwn(std::string_view text);

// Takes the lines in order; `last` marks the text's last line.
using LineTaker = std::function<void(const Span& line, bool last)>;

// Breaks the text into lines where tokens end, handing each to `take` as
// soon as it is known, so a text of any length costs nothing but itself. A
// line break stays at the end of its line; one ending the text adds none. A
// token that fits is never cut, a wider one is cut at the width in linear
// time, a wide character never halved (a line passes `width` only when it is
// narrower than its one character). Escapes ending the text stay on its
// last line. Breaking stops once `mostLines` lines are taken.
void breakLines(std::string_view text, std::size_t width, const LineTaker& take,
                std::size_t mostLines = SIZE_MAX);

}  // namespace trot
