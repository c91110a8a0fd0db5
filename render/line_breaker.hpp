// Cuts a text into lines no wider than a bubble allows. Widths are terminal
// columns (see model/column_width.hpp); escape sequences and controls take none.
// Tokens and lines are views into the caller's text, which must outlive them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/exception.hpp"
#include "render/text_source.hpp"

namespace trot {

struct Span {
  // Columns of the visible characters. Wide enough that a long word never
  // wraps around.
  std::size_t width = 0;
  // The bytes, escape sequences and line breaks included.
  std::string_view text;
};

class LineBreakException : public Exception {
 public:
  static constexpr std::uint64_t kNoOffset = ~std::uint64_t{0};

  // A real offset is appended as " at offset N".
  LineBreakException(std::uint64_t offset, const std::string& message);

  const char* typeName() const override { return "Line Breaker"; }
  std::uint64_t offset() const { return offset_; }

 private:
  std::uint64_t offset_;
};

// Columns a tab takes at `column` of a line `width` columns wide: to the next
// multiple of 8, but never past the end of the line.
std::size_t tabColumns(std::size_t column, std::size_t width);

// Removes the next token from the front of `bytes`: a run of characters that
// are not break characters (" /\<>(){}[]" and tab) followed by a run of ones
// that are. A line break (a line feed, or a carriage return and a line feed)
// is a token of its own. A NUL byte ends the token and the text. `column` is
// where the token would start on its line; tabs are measured from there.
Span nextToken(std::string_view& bytes, std::size_t column = 0);

// Whether `token` is a line break.
bool isLineBreak(const Span& token);

// Appends as much of `token` to `line` as fits into `width` columns and
// returns true when the line is full and must be closed; what is left of the
// token is then measured for the start of a new line. The token must start
// where the line ends and be measured from the line's width. A wide
// character is never cut in half: the line closes a column early instead,
// except that a line without any visible character always takes the first
// character, so breaking always makes progress.
bool pushToken(Span& line, Span& token, std::size_t width);

// The width the lines need: the widest line of the text when every line fits
// into `maxWidth`, else `maxWidth`.
std::size_t measureWidth(std::string_view text, std::size_t maxWidth);
std::size_t measureWidth(TextSource& text, std::size_t maxWidth);

// The text's lines. Every line break starts a new line, so an empty line of
// the text is an empty line here; a break at the very end adds none. A word
// that fits is never cut; a wider one is cut into pieces of the width. A
// line is wider than `width` only when `width` is narrower than a single
// character.
std::vector<Span> breakLines(std::string_view text, std::size_t width);

// A line of breakLines, given while the text is read: its bytes are valid
// only during the call. `position` is where they start in the text; `last`
// marks the text's last line.
using LineTaker = std::function<void(const Span& line, std::uint64_t position, bool last)>;

// The lines breakLines gives, one by one, reading the text a window at a
// time: only the line being broken and the one before it are held, however
// long the text. Only a run of characters that take no columns (escapes,
// combining marks) as long as the text makes the window grow as long.
void breakLines(TextSource& text, std::size_t width, const LineTaker& take);

}  // namespace trot
