// Draws a speech or thought bubble around a text: the top border rows, one
// row per text line between a left and a right side piece, the bottom border
// rows. Widths are terminal columns, as the line breaker measures them.
//
// What is drawn is bounded by what it is drawn from. For a style that
// Bubble::checkPieces accepts (every style read from a file), no row is
// wider than 1,020 columns, four corners of 255 (a bubble's width is at most
// 255). A border row writes its four corner pieces once and at most 32
// bytes per column of fill, under 45,000 bytes, and takes at least 5 bytes
// (its pieces' ends) of the style file. A text row writes two side pieces,
// its padding and its text, each byte of it at most 22 bytes with rainbow
// colours. So a bubble writes at most 9,000 bytes per byte of its style plus
// 1,300 per byte of text plus 1,300.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string_view>

#include "model/bubble.hpp"
#include "render/rainbow.hpp"

namespace trot {

// `width` is the whole bubble's, sides included; when it leaves no room for
// text, the text gets 40 columns. A text that fits is drawn exactly as wide
// as it is, a paragraph centred row by row, a text with lines of its own
// (see hasLinesOfItsOwn) as written, every row left-aligned; one without any
// line as one empty row. Tabs are drawn as spaces; no control or escape of
// the text reaches the output, nor of the style's pieces anything but their
// characters and colours, which take no columns. With `rainbow` every character drawn gets its colour,
// and every text row ends its text with a colour reset (the last with two:
// the rainbow's own, then the row's).
// Every row starts with `indent` spaces.
// Throws NullException when a border row's middle piece has no columns.
void renderBubble(const Bubble& bubble, std::ostream& output, std::string_view text, std::uint8_t width,
                  Rainbow* rainbow, std::size_t indent = 0);

// How renderBubble lays a text out in a bubble `width` columns wide.
struct BubbleLayout {
  std::size_t breakWidth = 0;  // the columns the text is broken at
  std::size_t lineWidth = 0;   // the columns every text row is filled to
  std::size_t columns = 0;     // of a text row, sides included
};
BubbleLayout layoutBubble(const Bubble& bubble, std::string_view text, std::uint8_t width);

// The same drawing with the layout layoutBubble gave for this bubble and
// text, for a caller that needed it first: measuring a text with lines of
// its own takes a pass over all of it.
void renderBubble(const Bubble& bubble, std::ostream& output, std::string_view text, const BubbleLayout& layout,
                  Rainbow* rainbow, std::size_t indent = 0);

// The rows renderBubble draws, borders included; past `most` the count
// stops, at most + 1, so that a huge text costs no more than the rows asked
// about.
std::size_t bubbleRows(const Bubble& bubble, std::string_view text, std::uint8_t width, std::size_t most);

}  // namespace trot
