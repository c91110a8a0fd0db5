// Cuts a text into lines no wider than a bubble allows. Widths are terminal
// columns (see model/column_width.hpp); escape sequences and controls take
// none. Lines are views into the caller's text, which must outlive them.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "render/line_break_rules.hpp"

namespace trot {

// A stretch of the text: a line, or a token of one.
struct Span {
  // Columns of the visible characters.
  std::size_t width = 0;
  // The bytes, escape sequences and line breaks included.
  std::string_view text;
};

// A text read token by token: a token runs to the next place where a line
// may break, as Unicode's rules say (tabs count as spaces, and escape
// sequences and controls go with the character before them). A line break
// is a token of its own. The text ends at its first NUL byte.
class LineTokens {
 public:
  explicit LineTokens(std::string_view text) : rest_(text.substr(0, text.find('\0'))) {}

  bool ended() const { return rest_.empty(); }
  // The next token, its tabs measured from `column` of its line.
  Span next(std::size_t column);

 private:
  std::string_view rest_;
  BreakRules rules_;
  // The rules have already read the character that starts `rest_`.
  bool breakDecided_ = false;
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

// Breaks the text into lines and hands each to `take` as soon as it is
// known, so that a text of any length costs nothing but itself.
//
// Lines break where tokens end. Every line break starts a new line and
// stays at the end of its own; one at the very end of the text adds no
// line, nor does one right after a line filled to the width. A token that
// fits is never cut; a wider one is cut into pieces of the width, in time
// linear in its length. A wide character is never cut in
// half: a line closes a column early instead, except that a line without
// any visible character takes the first one whatever its width, so a line
// is wider than `width` only when `width` is narrower than one character.
// Escape sequences go with the character after them; those after the last
// visible character stay on the last line. The text ends at its first NUL.
void breakLines(std::string_view text, std::size_t width, const LineTaker& take);

}  // namespace trot
