// How many terminal columns a character takes, as terminals count them: 2 for
// East Asian wide and fullwidth characters, 0 for combining marks, format
// controls (zero-width spaces and joiners) and Hangul medial and final jamo,
// 1 for everything else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace trot {

// Any value is accepted; those beyond Unicode take one column. Nothing below
// the combining diacritics is wide or zero-width: plain text needs no table.
unsigned columnWidthFromTable(std::uint32_t codePoint);
inline unsigned columnWidth(std::uint32_t codePoint) { return codePoint < 0x300 ? 1 : columnWidthFromTable(codePoint); }

// Sum of columnWidth over the code points that countCodePoints would count,
// so it too stops at a NUL byte or an undecodable byte.
std::size_t displayColumns(std::string_view text);

// The length of the colour sequence (ESC '[', digits, ':' and ';', then 'm')
// at the front of `text`, or 0 when there is none: terminals draw it in no
// column, and it is the one escape sequence that shared files may keep.
std::size_t colourSequenceLength(std::string_view text);

}  // namespace trot
