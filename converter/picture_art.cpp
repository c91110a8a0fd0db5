#include "converter/picture_art.hpp"

#include <algorithm>
#include <numeric>

namespace trot {

namespace {

// The picture without its see-through margins; `nothingShows` says why
// there is no picture left when no pixel shows.
Picture cropped(Picture picture, const char* nothingShows) {
  std::size_t left = picture.width;
  std::size_t right = 0;
  std::size_t top = picture.height;
  std::size_t bottom = 0;
  for (std::size_t y = 0; y < picture.height; ++y) {
    for (std::size_t x = 0; x < picture.width; ++x) {
      if (!picture.at(x, y).opaque()) continue;
      left = std::min(left, x);
      right = std::max(right, x + 1);
      top = std::min(top, y);
      bottom = std::max(bottom, y + 1);
    }
  }
  if (left >= right) throw PictureException(nothingShows);
  if (right - left == picture.width && bottom - top == picture.height) return picture;

  Picture result{right - left, bottom - top, {}};
  result.pixels.reserve(result.width * result.height);
  for (std::size_t y = top; y < bottom; ++y) {
    const auto row = picture.pixels.begin() + static_cast<std::ptrdiff_t>(y * picture.width);
    result.pixels.insert(result.pixels.end(), row + static_cast<std::ptrdiff_t>(left),
                         row + static_cast<std::ptrdiff_t>(right));
  }
  return result;
}

// The largest n for which the picture is made of n by n squares of one
// colour, lined up with its top left corner: a colour changes only at
// multiples of n, across and down.
std::size_t squareSize(const Picture& picture) {
  std::size_t size = std::gcd(picture.width, picture.height);
  for (std::size_t y = 0; y < picture.height && size > 1; ++y) {
    for (std::size_t x = 1; x < picture.width; ++x) {
      if (picture.at(x, y) != picture.at(x - 1, y)) size = std::gcd(size, x);
    }
    if (y > 0 && !std::equal(&picture.at(0, y), &picture.at(0, y) + picture.width, &picture.at(0, y - 1))) {
      size = std::gcd(size, y);
    }
  }
  return size;
}

// One pixel of every `factor` by `factor` square.
Picture shrunk(const Picture& picture, std::size_t factor) {
  Picture result{picture.width / factor, picture.height / factor, {}};
  result.pixels.reserve(result.width * result.height);
  for (std::size_t y = 0; y < result.height; ++y) {
    for (std::size_t x = 0; x < result.width; ++x) result.pixels.push_back(picture.at(x * factor, y * factor));
  }
  return result;
}

// Each new pixel averages the area of the picture it covers. Measured in
// units of 1/width across and 1/height down of the new size, a source pixel
// is `width` by `height` units and a new one `picture.width` by
// `picture.height`, so every overlap is a whole number of units.
Picture averaged(const Picture& picture, std::size_t width, std::size_t height) {
  Picture result{width, height, std::vector<Rgba>(width * height)};
  const auto overlap = [](std::size_t source, std::size_t sourceSize, std::size_t target, std::size_t targetSize) {
    const std::size_t begin = std::max(source * sourceSize, target * targetSize);
    const std::size_t end = std::min((source + 1) * sourceSize, (target + 1) * targetSize);
    return static_cast<std::uint64_t>(end > begin ? end - begin : 0);
  };
  const std::uint64_t area = static_cast<std::uint64_t>(picture.width) * picture.height;
  for (std::size_t row = 0; row < height; ++row) {
    const std::size_t firstY = row * picture.height / height;
    const std::size_t endY = ((row + 1) * picture.height + height - 1) / height;
    for (std::size_t column = 0; column < width; ++column) {
      const std::size_t firstX = column * picture.width / width;
      const std::size_t endX = ((column + 1) * picture.width + width - 1) / width;
      std::uint64_t opacity = 0;
      std::uint64_t red = 0;
      std::uint64_t green = 0;
      std::uint64_t blue = 0;
      for (std::size_t y = firstY; y < endY; ++y) {
        const std::uint64_t down = overlap(y, height, row, picture.height);
        for (std::size_t x = firstX; x < endX; ++x) {
          const Rgba& pixel = picture.at(x, y);
          const std::uint64_t weight = down * overlap(x, width, column, picture.width) * pixel.a;
          opacity += weight;
          red += weight * pixel.r;
          green += weight * pixel.g;
          blue += weight * pixel.b;
        }
      }
      // At least half opaque on average: the same rule as for one pixel.
      if (2 * opacity < 255 * area) continue;
      const auto mean = [&](std::uint64_t sum) { return static_cast<std::uint8_t>((sum + opacity / 2) / opacity); };
      result.at(column, row) = {mean(red), mean(green), mean(blue), 255};
    }
  }
  return result;
}

Picture fitted(Picture picture, std::size_t columns, std::size_t rows) {
  const std::size_t most = rows * 2;
  const auto fits = [&](std::size_t width, std::size_t height) { return width <= columns && height <= most; };
  if (fits(picture.width, picture.height)) return picture;
  const std::size_t square = squareSize(picture);
  for (std::size_t factor = 2; factor <= square; ++factor) {
    if (square % factor == 0 && fits(picture.width / factor, picture.height / factor)) return shrunk(picture, factor);
  }
  if (square > 1) picture = shrunk(picture, square);
  if (fits(picture.width, picture.height)) return picture;
  if (picture.width * most <= picture.height * columns) {
    return averaged(picture, std::max<std::size_t>(1, picture.width * most / picture.height), most);
  }
  return averaged(picture, columns, std::max<std::size_t>(1, picture.height * columns / picture.width));
}

ArtCell cellOf(const Rgba& upper, const Rgba& lower) {
  ArtCell cell;
  cell.upperTransparent = !upper.opaque();
  cell.lowerTransparent = !lower.opaque();
  if (upper.opaque()) cell.upper = {upper.r, upper.g, upper.b};
  if (lower.opaque()) cell.lower = {lower.r, lower.g, lower.b};
  return cell;
}

// Leading see-through cells become the indent and trailing ones are left
// out, as the art text reader does.
ArtRow rowOf(const Picture& picture, std::size_t pixelRow) {
  ArtRow row;
  const Rgba seeThrough;
  for (std::size_t x = 0; x < picture.width; ++x) {
    const Rgba& lower = pixelRow + 1 < picture.height ? picture.at(x, pixelRow + 1) : seeThrough;
    row.cells.push_back(cellOf(picture.at(x, pixelRow), lower));
  }
  const auto visible = [](const ArtCell& cell) { return !cell.upperTransparent || !cell.lowerTransparent; };
  const auto first = std::find_if(row.cells.begin(), row.cells.end(), visible);
  const auto last = std::find_if(row.cells.rbegin(), row.cells.rend(), visible).base();
  if (first >= last) {
    row.cells.clear();
    return row;
  }
  row.indent = static_cast<std::uint8_t>(first - row.cells.begin());
  row.cells.erase(last, row.cells.end());
  row.cells.erase(row.cells.begin(), first);
  return row;
}

std::size_t firstOpaque(const Picture& picture, std::size_t y) {
  std::size_t x = 0;
  while (!picture.at(x, y).opaque()) ++x;
  return x;
}

// A diagonal line of connector cells that ends next to the cell at
// `column`, on the row above the art or below it. It comes from the left
// where there is room, else from the right.
std::vector<ArtRow> connectorRows(std::size_t column, bool fromAbove) {
  const bool fromLeft = column >= kConnectorRows;
  std::vector<ArtRow> rows(kConnectorRows);
  for (std::size_t step = 1; step <= kConnectorRows; ++step) {
    // Counted from the art outwards: step 1 touches the figure.
    ArtRow& row = rows[fromAbove ? kConnectorRows - step : step - 1];
    row.indent = static_cast<std::uint8_t>(fromLeft ? column - step : column + step);
    ArtCell cell;
    cell.connector = true;
    // A backslash runs from top left to bottom right.
    cell.connectorSlash = fromAbove != fromLeft;
    row.cells.push_back(cell);
  }
  return rows;
}

}  // namespace

AsciiArt artFromPicture(Picture picture, ArtBox box, bool bubbleAbove) {
  const std::size_t columns = std::clamp<std::size_t>(box.columns, 1, kMostBoxColumns);
  const std::size_t rows = std::clamp<std::size_t>(box.rows, 1, kMostBoxRows);
  // Averaging may leave margins that no longer show.
  const Picture fit = cropped(fitted(cropped(std::move(picture), "every pixel is see-through"), columns, rows),
                              "nothing of it shows once scaled down to fit");

  AsciiArt art;
  art.bubbleAbove = bubbleAbove;
  for (std::size_t y = 0; y < fit.height; y += 2) art.rows.push_back(rowOf(fit, y));
  const auto connectors = connectorRows(firstOpaque(fit, bubbleAbove ? 0 : fit.height - 1), bubbleAbove);
  art.rows.insert(bubbleAbove ? art.rows.begin() : art.rows.end(), connectors.begin(), connectors.end());
  std::size_t width = 0;
  for (const ArtRow& row : art.rows) width = std::max(width, row.indent + row.cells.size());
  art.width = static_cast<std::uint8_t>(width);
  return art;
}

}  // namespace trot
