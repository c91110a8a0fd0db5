// Draws an art's cells as half-block characters in 24-bit colour, and writes
// the same picture as a whole pony art text file. Each cell shows two
// stacked pixels; its glyph is chosen to reuse the colours already in force,
// so that a run of alike cells costs no escapes at all. The art text file is
// written here, not beside its reader in model, because its rows are the
// terminal drawing itself and need the colour formatter that lives here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "model/ascii_art.hpp"
#include "model/bubble.hpp"
#include "render/color_format.hpp"
#include "render/rainbow.hpp"

namespace trot {

// Columns a picture may take when no terminal says, as far as moving its
// bubble goes.
inline constexpr std::size_t kColumnsOffTerminal = 80;

// Prepares the console with format.init, then draws every row. With
// `drawBubble` connector cells show the bubble's connector characters;
// without it they are blanks on the default background, and the rows at
// either end that would show nothing else are left out. Every row is cut
// before the first cell that would pass `mostColumns`.
void renderArt(const AsciiArt& art, std::ostream& output, ColorFormat& format, const Bubble& bubble,
               bool drawBubble, std::size_t mostColumns = SIZE_MAX);

// The rows renderArt draws.
std::size_t drawnArtRows(const AsciiArt& art, bool drawBubble);

// The art and its bubble, the bubble above or below as the art says, its
// text in `rainbow` colours when given; without `drawBubble` only the art
// is drawn. A bubble that ends before the art's connector starts is moved
// right to meet it, within the terminal's columns (kColumnsOffTerminal, or
// the art's width, off a terminal); on a terminal the art is cut at its
// right edge.
void composeOutput(const AsciiArt& art, std::ostream& output, ColorFormat& format, const Bubble& bubble,
                   std::string_view text, Rainbow* rainbow, bool drawBubble, std::uint8_t bubbleWidth,
                   std::optional<std::size_t> terminalColumns = std::nullopt);

// The balloon marker line and the art rows as source text: colours as
// escapes, connector cells as "$/$" or "$\$".
void writeArtText(const AsciiArt& art, std::ostream& output, ColorFormat& format);

// A whole pony art text file: the header naming the pony, where the bubble
// goes and the art's size, then the art's rows as writeArtText writes them.
std::string artFileText(std::string_view ponyName, const AsciiArt& art, ColorFormat& format);

}  // namespace trot
