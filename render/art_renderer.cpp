#include "render/art_renderer.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "model/column_width.hpp"
#include "model/utf8.hpp"
#include "render/bubble_renderer.hpp"
#include "render/palette.hpp"
#include "render/raw_output.hpp"
#include "render/terminal_safe_text.hpp"

namespace trot {

namespace {

constexpr std::string_view kUpperHalf = "\u2580";
constexpr std::string_view kLowerHalf = "\u2584";
constexpr std::string_view kFullBlock = "\u2588";
// Light, medium and dark shade, then the full block: from least to most ink.
constexpr std::array<std::string_view, 4> kShades = {"\u2591", "\u2592", "\u2593", kFullBlock};

// One pixel pair, spending colour changes only where the current foreground
// and background cannot be reused.
void writePixels(std::ostream& output, ColorFormat& format, const ArtCell& cell) {
  const Color upper = cell.upperShown();
  const Color lower = cell.lowerShown();

  if (upper == lower) {
    const std::int8_t match = format.matchOne(upper);
    if (match == 1) {
      putRaw(output, kFullBlock);
    } else if (match == -1) {
      putRaw(output, ' ');
    } else if (upper.isDefault != 0) {
      format.setBackground(output, upper);
      putRaw(output, ' ');
    } else {
      format.setForeground(output, upper);
      putRaw(output, kFullBlock);
    }
    return;
  }

  // The lower half block shows the background above the foreground, the
  // upper half block the other way round; a default colour can only be a
  // background.
  bool lowerHalf = true;
  if (upper.isDefault != 0) {
    lowerHalf = true;
  } else if (lower.isDefault != 0) {
    lowerHalf = false;
  } else if (const std::int8_t pair = format.matchPair(lower, upper); pair != 0) {
    lowerHalf = pair == 1;
  } else {
    lowerHalf = format.matchOne(lower) != -1;
  }

  if (lowerHalf) {
    format.setBackground(output, upper);
    format.setForeground(output, lower);
    putRaw(output, kLowerHalf);
  } else {
    format.setBackground(output, lower);
    format.setForeground(output, upper);
    putRaw(output, kUpperHalf);
  }
}

// One cell without colour: a half block where one half is see-through, else
// a shade from how light the two halves are together. Lighter is denser, as
// in the coloured picture on a dark terminal: the body stays solid and the
// dark lines within it show as sparser shades.
void writeShade(std::ostream& output, const ArtCell& cell) {
  if (cell.upperTransparent && cell.lowerTransparent) {
    putRaw(output, ' ');
    return;
  }
  if (cell.upperTransparent || cell.lowerTransparent) {
    putRaw(output, cell.upperTransparent ? kLowerHalf : kUpperHalf);
    return;
  }
  const double light = (lightness(cell.upperShown()) + lightness(cell.lowerShown())) / 2.0;
  // Lightness runs 0 to 100; the bound just above it keeps white in range.
  const auto level = static_cast<std::size_t>(light * kShades.size() / 100.01);
  putRaw(output, kShades[std::min(level, kShades.size() - 1)]);
}

// Whether a row shows anything but blanks when connectors are blanks.
bool showsOnlyBlanks(const ArtRow& row) {
  return std::all_of(row.cells.begin(), row.cells.end(), [](const ArtCell& cell) {
    return cell.connector || (cell.upperTransparent && cell.lowerTransparent);
  });
}

// The rows drawn: without the bubble, the rows that would be blank at either
// end (the connector's, mostly) are left out.
std::span<const ArtRow> rowsDrawn(const AsciiArt& art, bool drawBubble) {
  std::span<const ArtRow> rows = art.rows;
  if (drawBubble) return rows;
  while (!rows.empty() && showsOnlyBlanks(rows.front())) rows = rows.subspan(1);
  while (!rows.empty() && showsOnlyBlanks(rows.back())) rows = rows.first(rows.size() - 1);
  return rows;
}

// The rows shared by the terminal drawing and the source text; only
// connector cells differ between the two. A row is cut before the first
// cell that would pass `mostColumns`; writeConnector gives the columns it
// wrote.
template <class WriteConnector>
void writeRows(std::span<const ArtRow> rows, std::ostream& output, ColorFormat& format, std::size_t mostColumns,
               WriteConnector writeConnector) {
  for (const ArtRow& row : rows) {
    std::size_t column = std::min<std::size_t>(row.indent, mostColumns);
    for (std::size_t i = 0; i < column; ++i) putRaw(output, ' ');
    for (const ArtCell& cell : row.cells) {
      if (column >= mostColumns) break;
      if (cell.connector) {
        column += writeConnector(cell);
        continue;
      }
      if (format.depth() == ColorDepth::None) {
        writeShade(output, cell);
      } else {
        writePixels(output, format, cell);
      }
      ++column;
    }
    format.reset(output);
    putRaw(output, '\n');
  }
  format.reset(output);
}

// The first connector cell on the bubble's side of the art: in the topmost
// connector row for a bubble above, the bottommost for one below.
struct ConnectorEnd {
  std::size_t column;
  bool slash;
};

std::optional<ConnectorEnd> connectorEnd(const AsciiArt& art) {
  const auto inRow = [](const ArtRow& row) -> std::optional<ConnectorEnd> {
    for (std::size_t i = 0; i < row.cells.size(); ++i)
      if (row.cells[i].connector) return ConnectorEnd{row.indent + i, row.cells[i].connectorSlash};
    return std::nullopt;
  };
  if (art.bubbleAbove) {
    for (const ArtRow& row : art.rows)
      if (const auto end = inRow(row)) return end;
  } else {
    for (auto row = art.rows.rbegin(); row != art.rows.rend(); ++row)
      if (const auto end = inRow(*row)) return end;
  }
  return std::nullopt;
}

std::size_t cornerColumns(const std::vector<std::string>& piece, std::size_t line) {
  return line < piece.size() ? displayColumns(terminalSafeText(piece[line])) : 0;
}

// Columns to move the bubble right by, so that a connector that starts past
// the bubble's end starts under its border instead (over it, for a bubble
// below the art): under its right part when the connector leans away from
// the bubble's side, else under its left part; the corner pieces are left
// clear. The bubble never passes `mostColumns`.
std::size_t bubbleIndent(const AsciiArt& art, const Bubble& bubble, std::size_t bubbleColumns,
                         std::size_t mostColumns) {
  const auto end = connectorEnd(art);
  if (!end || end->column < bubbleColumns) return 0;
  // The border row that meets the connector, and its corner pieces.
  const bool above = art.bubbleAbove;
  const std::size_t line = above ? std::size_t{bubble.bottomHeight} - 1 : 0;
  const std::size_t left = above ? cornerColumns(bubble.sw, line) + cornerColumns(bubble.ssw, line)
                                 : cornerColumns(bubble.nw, line) + cornerColumns(bubble.nnw, line);
  const std::size_t right = above ? cornerColumns(bubble.sse, line) + cornerColumns(bubble.se, line)
                                  : cornerColumns(bubble.nne, line) + cornerColumns(bubble.ne, line);
  // '\' above the art comes down from the bubble's right, '/' from its left;
  // below the art the other way round.
  const bool underRightPart = above != end->slash;
  const std::size_t indent = underRightPart ? end->column + 1 + right - bubbleColumns
                                            : end->column - std::min(end->column, left);
  const std::size_t room = mostColumns > bubbleColumns ? mostColumns - bubbleColumns : 0;
  return std::min(indent, room);
}

}  // namespace

std::size_t drawnArtRows(const AsciiArt& art, bool drawBubble) { return rowsDrawn(art, drawBubble).size(); }

void renderArt(const AsciiArt& art, std::ostream& output, ColorFormat& format, const Bubble& bubble, bool drawBubble,
               std::size_t mostColumns) {
  format.init(output);
  format.reset(output);
  // No connector, or one that is a control, leaves a blank, never a NUL.
  const auto linkText = [&](bool slash) {
    std::string link = terminalSafeText(encodeUtf8(bubble.linkFor(slash)));
    return link.empty() ? std::string(1, ' ') : link;
  };
  const std::string links[2] = {linkText(false), linkText(true)};
  writeRows(rowsDrawn(art, drawBubble), output, format, mostColumns, [&](const ArtCell& cell) -> std::size_t {
    if (!drawBubble) {
      format.setBackground(output, Color::defaultColor());
      output.put(' ');
      return 1;
    }
    format.reset(output);
    output << links[cell.connectorSlash];
    return displayColumns(links[cell.connectorSlash]);
  });
}

void composeOutput(const AsciiArt& art, std::ostream& output, ColorFormat& format, const Bubble& bubble,
                   std::string_view text, Rainbow* rainbow, bool drawBubble, std::uint8_t bubbleWidth,
                   std::optional<std::size_t> terminalColumns) {
  const std::size_t mostColumns = terminalColumns.value_or(SIZE_MAX);
  if (!drawBubble) {
    renderArt(art, output, format, bubble, false, mostColumns);
    return;
  }
  const BubbleLayout layout = layoutBubble(bubble, text, bubbleWidth);
  const std::size_t room = terminalColumns.value_or(std::max<std::size_t>(kColumnsOffTerminal, art.width));
  const std::size_t indent = bubbleIndent(art, bubble, layout.columns, room);
  if (art.bubbleAbove) renderBubble(bubble, output, text, layout, rainbow, indent);
  renderArt(art, output, format, bubble, true, mostColumns);
  if (!art.bubbleAbove) renderBubble(bubble, output, text, layout, rainbow, indent);
}

void writeArtText(const AsciiArt& art, std::ostream& output, ColorFormat& format) {
  output << "$bubble" << static_cast<unsigned>(art.bubbleSize) << "$\n";
  format.reset(output);
  writeRows(art.rows, output, format, SIZE_MAX, [&](const ArtCell& cell) -> std::size_t {
    format.reset(output);
    output << '$' << (cell.connectorSlash ? '/' : '\\') << '$';
    return 1;
  });
}

std::string artFileText(std::string_view ponyName, const AsciiArt& art, ColorFormat& format) {
  std::ostringstream text;
  text << "$$$\n";
  text << "NAME: " << ponyName << '\n';
  text << "BALLOON: " << (art.bubbleAbove ? "top" : "bottom") << '\n';
  text << "WIDTH: " << static_cast<unsigned>(art.width) << '\n';
  text << "HEIGHT: " << art.rows.size() << '\n';
  text << "$$$\n";
  writeArtText(art, text, format);
  return text.str();
}

}  // namespace trot
