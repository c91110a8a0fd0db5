#include "render/art_renderer.hpp"

#include <algorithm>
#include <array>

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

Color upperColor(const ArtCell& cell) {
  return cell.upperTransparent ? Color::defaultColor() : Color(cell.upper[0], cell.upper[1], cell.upper[2]);
}

Color lowerColor(const ArtCell& cell) {
  return cell.lowerTransparent ? Color::defaultColor() : Color(cell.lower[0], cell.lower[1], cell.lower[2]);
}

// One pixel pair, spending colour changes only where the current foreground
// and background cannot be reused.
void writePixels(std::ostream& output, ColorFormat& format, const ArtCell& cell) {
  const Color upper = upperColor(cell);
  const Color lower = lowerColor(cell);

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
  const double light = (lightness(upperColor(cell)) + lightness(lowerColor(cell))) / 2.0;
  // Lightness runs 0 to 100; the bound just above it keeps white in range.
  const auto level = static_cast<std::size_t>(light * kShades.size() / 100.01);
  putRaw(output, kShades[std::min(level, kShades.size() - 1)]);
}

// The rows shared by the terminal drawing and the source text; only
// connector cells differ between the two.
template <class WriteConnector>
void writeRows(const AsciiArt& art, std::ostream& output, ColorFormat& format, WriteConnector writeConnector) {
  for (const ArtRow& row : art.rows) {
    for (std::uint8_t i = 0; i < row.indent; ++i) putRaw(output, ' ');
    for (const ArtCell& cell : row.cells) {
      if (cell.connector) {
        writeConnector(cell);
      } else if (format.depth() == ColorDepth::None) {
        writeShade(output, cell);
      } else {
        writePixels(output, format, cell);
      }
    }
    format.reset(output);
    putRaw(output, '\n');
  }
  format.reset(output);
}

}  // namespace

void renderArt(const AsciiArt& art, std::ostream& output, ColorFormat& format, const Bubble& bubble,
               bool drawBubble) {
  format.init(output);
  format.reset(output);
  writeRows(art, output, format, [&](const ArtCell& cell) {
    if (drawBubble) {
      format.reset(output);
      // No connector, or one that is a control, leaves a blank, never a NUL.
      const std::string link = terminalSafeText(encodeUtf8(bubble.linkFor(cell.connectorSlash)));
      output << (link.empty() ? std::string_view(" ") : std::string_view(link));
    } else {
      format.setBackground(output, Color::defaultColor());
      output.put(' ');
    }
  });
}

void composeOutput(const AsciiArt& art, std::ostream& output, ColorFormat& format, const Bubble& bubble,
                   std::string_view text, Rainbow* rainbow, bool drawBubble, std::uint8_t bubbleWidth) {
  if (drawBubble && art.bubbleAbove) renderBubble(bubble, output, text, bubbleWidth, rainbow);
  renderArt(art, output, format, bubble, drawBubble);
  if (drawBubble && !art.bubbleAbove) renderBubble(bubble, output, text, bubbleWidth, rainbow);
}

void writeArtText(const AsciiArt& art, std::ostream& output, ColorFormat& format) {
  output << "$bubble" << static_cast<unsigned>(art.bubbleSize) << "$\n";
  format.reset(output);
  writeRows(art, output, format, [&](const ArtCell& cell) {
    format.reset(output);
    output << '$' << (cell.connectorSlash ? '/' : '\\') << '$';
  });
}

}  // namespace trot
