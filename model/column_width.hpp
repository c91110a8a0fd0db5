// How many terminal columns a character takes, as terminals count them: 2 for
// East Asian wide and fullwidth characters, 0 for combining marks, format
// controls (zero-width spaces and joiners) and Hangul medial and final jamo,
// 1 for everything else. Text made only of one-column characters thus
// measures the same as its code point count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace trot {

// Any value is accepted; those beyond Unicode take one column. Nothing below
// the combining diacritics is wide or zero-width, which keeps plain text off
// the table.
unsigned columnWidthBeyondLatin(std::uint32_t codePoint);
inline unsigned columnWidth(std::uint32_t codePoint) { return codePoint < 0x300 ? 1 : columnWidthBeyondLatin(codePoint); }

// Sum of columnWidth over the code points that countCodePoints would count,
// so it too stops at a NUL byte or an undecodable byte.
std::size_t displayColumns(std::string_view text);

}  // namespace trot
