// A picture as a pony art: every two rows of pixels make one row of
// half-block cells, see-through margins are cut off, a picture larger than
// the box is scaled down to fit it, and the line from the bubble leads to
// the top of the figure.
#pragma once

#include <cstddef>

#include "converter/picture.hpp"
#include "model/ascii_art.hpp"

namespace trot {

// The art format holds 255 rows of 255 cells; the line from the bubble
// takes three of the rows.
inline constexpr std::size_t kConnectorRows = 3;
inline constexpr std::size_t kMostBoxColumns = 255;
inline constexpr std::size_t kMostBoxRows = 255 - kConnectorRows;

// The most cells a picture may take, two pixel rows to a cell row. Larger
// values count as the most the format holds.
struct ArtBox {
  std::size_t columns = 40;
  std::size_t rows = 18;
};

// A picture that fits the box keeps its size, a pixel to a half cell. A
// larger one is scaled down to fit, keeping its shape: pixel art drawn at a
// whole multiple of its size is taken back to the largest multiple that
// fits, exactly; anything else is averaged over each area, colours weighted
// by how opaque they are. Throws PictureException when no pixel shows.
AsciiArt artFromPicture(Picture picture, ArtBox box, bool bubbleAbove);

}  // namespace trot
