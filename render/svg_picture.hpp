// A picture drawn for the terminal, as one SVG document: the bytes the
// renderers write (UTF-8 text, line feeds and 24-bit SGR colours) laid out
// in cells as a terminal shows them, so that the SVG shows what the terminal
// would, whatever drew it.
#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>

namespace trot {

// At most this many bytes of SVG for each byte of terminal output, past a
// fixed header and footer: the document grows with what it shows.
inline constexpr std::size_t kSvgBytesPerTerminalByte = 64;

// Every cell is one unit wide and two tall, on a dark backdrop a unit wider
// on each side. Half and full blocks are square pixels, one rectangle for
// each run of one colour; every other character is text at its column (a
// wide one takes two), over its cell's background. Nothing else of the
// input shows: other escape sequences and controls are dropped, a byte that
// is not well-formed UTF-8 is U+FFFD, and no character is written that XML
// cannot hold.
void writeSvgPicture(std::string_view terminalOutput, std::ostream& svg);

}  // namespace trot
