// The token reading the line breaker shares with its reading through a
// window (line_window.cpp); not for other callers.
#pragma once

#include <cstddef>
#include <string_view>

#include "render/line_breaker.hpp"

namespace trot {

// How far the reading of a token has come.
struct TokenScan {
  std::size_t width = 0;
  bool seenBreak = false;
  bool started = false;
};

// Reads the token at the front of `bytes` on from where `scan` stands, and
// gives true once it has ended. When `bytes` runs out first it gives false:
// more text may go on with the token. So does a piece that leaves fewer than
// `lookahead` bytes after it, as more text could make it read otherwise (a
// character cut short); it is left in `bytes`.
// Reads the token at the front of `bytes` on from where `scan` stands, and
// gives true once it has ended. When `bytes` runs out first it gives false:
// more text may go on with the token. So does a piece that leaves fewer than
// `lookahead` bytes after it, as more text could make it read otherwise (a
// character cut short); it is left in `bytes`.
bool scanToken(std::string_view& bytes, TokenScan& scan, std::size_t column, std::size_t lookahead);

// What is left of a token, measured for the start of a line, as far as
// comparing it with `width` needs.
Span remeasured(std::string_view rest, std::size_t width);

}  // namespace trot
