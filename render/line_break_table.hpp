// The line breaking classes of all code points, generated from the Unicode
// character database by tools/unicode/generate_line_break_classes.py into
// line_break_table.cpp: sorted runs of code points of one class, each packed
// as (first code point << 6) | class; and those of ASCII, one a byte, as
// most text is ASCII.
#pragma once

#include <cstdint>
#include <span>

namespace trot {

std::span<const std::uint32_t> lineBreakRuns();
extern const std::uint8_t kAsciiLineBreakClasses[0x80];

}  // namespace trot
