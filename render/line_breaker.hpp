// Cuts a text into lines no wider than a bubble allows. Widths are terminal
// columns (see column_width.hpp); escape sequences take none. Tokens and lines
// are views into the caller's text, which must outlive them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/exception.hpp"

namespace trot {

struct Span {
  // Columns of the visible characters. Wide enough that a long word never
  // wraps around; a line feed that ends a token adds nothing.
  std::size_t width = 0;
  // The bytes, escape sequences and such a line feed included.
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

// When `bytes` starts with an escape sequence, removes it and returns true.
// Understood are colour sequences (ESC '[' ... 'm', also ended by a NUL) and
// palette sequences (ESC "]P" and seven bytes); a sequence cut short by the
// end of the text, a lone ESC included, takes the rest of the text with it.
// Any other kind throws NullException.
bool skipEscape(std::string_view& bytes);

// Removes the next token from the front of `bytes`: a run of characters that
// are not break characters (" /\<>(){}[]") followed by a run of ones that are.
// A line feed ends the token and stays in it; a NUL byte ends it and does not.
Span nextToken(std::string_view& bytes);

// Appends as much of `token` to `line` as fits into `width` columns and
// returns true when the line is full and must be closed. The token must start
// where the line ends. A wide character is never cut in half: the line closes
// a column early instead, except that a line without any visible character
// always takes the first character, so breaking always makes progress.
bool pushToken(Span& line, Span& token, std::size_t width);

// The width the lines need: the whole text's when it fits on one line of
// `maxWidth`, else `maxWidth`.
std::size_t measureWidth(std::string_view text, std::size_t maxWidth);

// The text's lines. A word that fits is never cut; a wider one is cut into
// pieces of the width, and the line before it is closed first, even when that
// line is still empty. A line is wider than `width` only when `width` is
// narrower than a single character.
std::vector<Span> breakLines(std::string_view text, std::size_t width);

}  // namespace trot
