// Cuts a text into lines no wider than a bubble allows. Widths are terminal
// columns (see model/column_width.hpp); escape sequences and controls take
// none. Lines are views into the caller's text, which must outlive them.
#pragma once

#include <cstddef>
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

// A text read token by token: a token runs to the next place where a line
// may break, as Unicode's rules say (tabs count as spaces, and escape
// sequences and controls go with the character before them). A line break
// is a token of its own. The text ends at its first NUL byte. Copies read
// on independently.
class LineTokens {
 public:
  explicit LineTokens(std::string_view text) : rest_(text.substr(0, text.find('\0'))) {}

  bool ended() const { return rest_.empty(); }
  // The next token, placed at `column` of a line that ends at `lineEnd`.
  // One that does not fit is cut before the first character that would
  // pass the end (with the escapes before it), unless that character starts
  // the line, and the next call reads on from there; see cut().
  Span next(std::size_t column, std::size_t lineEnd);
  bool cut() const { return cut_; }
  // The rest of the text when none of it takes a column, else nothing.
  Span restIfHidden();

 private:
  std::string_view rest_;
  BreakRules rules_;
  // The rules have read the character that starts `rest_`.
  bool readFirst_ = false;
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

// Breaks the text into lines where tokens end, and hands each to `take` as
// soon as it is known, so a text of any length costs nothing but itself.
// Every line break starts a new line and stays at the end of its own; one
// ending the text adds no line. A token that fits is never cut; a wider one
// is cut into pieces of the width, in time linear in its length, a wide
// character never halved: a line is wider than `width` only when `width` is
// narrower than its one character. Escapes that end the text stay on the
// last line.
void breakLines(std::string_view text, std::size_t width, const LineTaker& take);

}  // namespace trot
