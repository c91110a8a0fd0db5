#include "render/svg_picture.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/color.hpp"
#include "model/column_width.hpp"
#include "render/text_piece.hpp"

namespace trot {

namespace {

constexpr std::string_view kUpperHalf = "\u2580";
constexpr std::string_view kLowerHalf = "\u2584";
constexpr std::string_view kFullBlock = "\u2588";
constexpr std::string_view kReplacement = "\uFFFD";
constexpr std::size_t kTabStop = 8;
// What a terminal shows where nothing set a colour.
constexpr Color kForeground(204, 204, 204);
constexpr Color kBackdrop(24, 24, 24);
// A unit is drawn this many pixels wide, so a cell is 8 by 16 pixels, as in
// a terminal of the usual size.
constexpr std::size_t kPixelsPerUnit = 8;
// The font's em, in units: the usual monospace advance of 0.6 em is then
// exactly one cell, so that a reader of SVG that ignores the position of
// each character but the first still lines a long border up with the rows
// below it; the baseline leaves room below for descenders.
constexpr std::string_view kFontSize = "1.6667";
constexpr std::string_view kBaselineBelowRowTop = ".5";  // past the row's first unit

struct Cell {
  std::string glyph;  // a character with its zero-width followers; empty where nothing is drawn
  Color foreground;
  Color background;
  bool continuation = false;  // the right half of a wide character
  // One code point of the Basic Multilingual Plane in one column: one glyph
  // at one position for every reader of SVG.
  bool single = false;
};

// The numbers of an SGR sequence, one at a time; an empty one is 0.
class SgrParameters {
 public:
  explicit SgrParameters(std::string_view text) : rest_(text) {}

  std::optional<unsigned> next() {
    if (ended_) return std::nullopt;
    // Bounded: no colour needs more than three digits.
    unsigned value = 0;
    std::size_t digits = 0;
    for (; digits < rest_.size() && rest_[digits] >= '0' && rest_[digits] <= '9'; ++digits) {
      value = std::min(value * 10 + static_cast<unsigned>(rest_[digits] - '0'), 1000u);
    }
    ended_ = digits == rest_.size();
    rest_.remove_prefix(std::min(digits + 1, rest_.size()));
    return value;
  }

 private:
  std::string_view rest_;
  bool ended_ = false;
};

// The output a row of cells at a time, with the colours in force carried
// from row to row, as a terminal keeps them.
class RowReader {
 public:
  explicit RowReader(std::string_view bytes) : rest_(bytes) {}

  // False at the end. What follows the last line feed is a row only when
  // it shows something: the colour reset after a picture's last row is not.
  bool next(std::vector<Cell>& row) {
    row.clear();
    while (!rest_.empty()) {
      const TextPiece piece = nextPiece(rest_);
      switch (piece.kind) {
        case PieceKind::LineBreak: return true;
        case PieceKind::Colour: setColours(piece.bytes.substr(2, piece.bytes.size() - 3)); break;
        case PieceKind::Tab:
          do row.push_back(blank());
          while (row.size() % kTabStop != 0);
          break;
        case PieceKind::Character: place(row, piece); break;
        case PieceKind::Hidden: break;
      }
    }
    return !row.empty();
  }

 private:
  Cell blank() const { return {{}, foreground_, background_}; }

  void place(std::vector<Cell>& row, const TextPiece& piece) {
    // U+FFFE and U+FFFF are the only characters left that XML 1.0 refuses.
    const bool refused = piece.codePoint == 0xFFFE || piece.codePoint == 0xFFFF;
    const std::string_view shown = refused ? kReplacement : shownBytes(piece);
    const unsigned columns = columnWidth(piece.codePoint);
    if (columns == 0) {
      // A mark joins the character before it; a terminal draws it there.
      const auto base = std::find_if(row.rbegin(), row.rend(), [](const Cell& cell) { return !cell.continuation; });
      if (base == row.rend()) return;
      if (base->glyph.empty()) base->glyph.push_back(' ');
      base->glyph += shown;
      base->single = false;
      return;
    }
    row.push_back(blank());
    if (piece.codePoint != ' ') row.back().glyph = shown;
    row.back().single = columns == 1 && piece.codePoint < 0x10000;
    if (columns == 2) {
      row.push_back(blank());
      row.back().continuation = true;
    }
  }

  void setColours(std::string_view parameters) {
    SgrParameters numbers(parameters);
    while (const auto code = numbers.next()) {
      if (*code == 0) foreground_ = background_ = Color::defaultColor();
      if (*code == 39) foreground_ = Color::defaultColor();
      if (*code == 49) background_ = Color::defaultColor();
      if (*code != 38 && *code != 48) continue;
      // 24-bit colours are drawn; a palette index is passed over.
      const auto mode = numbers.next();
      if (mode == 5u) numbers.next();
      if (mode != 2u) continue;
      const auto r = numbers.next(), g = numbers.next(), b = numbers.next();
      if (!b) return;
      const auto byte = [](unsigned value) { return static_cast<std::uint8_t>(std::min(value, 255u)); };
      (*code == 38 ? foreground_ : background_) = Color(byte(*r), byte(*g), byte(*b));
    }
  }

  std::string_view rest_;
  Color foreground_;
  Color background_;
};

void writeFill(std::ostream& svg, Color color) {
  constexpr std::string_view kHex = "0123456789abcdef";
  std::array<char, 7> fill{'#'};
  std::size_t at = 1;
  for (const std::uint8_t component : {color.r, color.g, color.b}) {
    fill[at++] = kHex[component >> 4];
    fill[at++] = kHex[component & 0xF];
  }
  svg << " fill=\"" << std::string_view(fill.data(), fill.size()) << '"';
}

// A cell's upper and lower pixel: the glyph's ink where a block shows it,
// else the cell's background.
std::array<Color, 2> pixelsOf(const Cell& cell) {
  const Color ink = cell.foreground.isDefault != 0 ? kForeground : cell.foreground;
  if (cell.glyph == kFullBlock) return {ink, ink};
  if (cell.glyph == kUpperHalf) return {ink, cell.background};
  if (cell.glyph == kLowerHalf) return {cell.background, ink};
  return {cell.background, cell.background};
}

struct Run {
  std::size_t start;
  std::size_t end;
  Color color;
  bool operator==(const Run&) const = default;
};

// Runs of one colour along one pixel row of the cells; the default
// background is the backdrop and needs none.
std::vector<Run> runsOf(const std::vector<Cell>& row, std::size_t half) {
  std::vector<Run> runs;
  for (std::size_t x = 0; x < row.size(); ++x) {
    const Color color = pixelsOf(row[x])[half];
    if (color.isDefault != 0) continue;
    if (!runs.empty() && runs.back().end == x && runs.back().color == color) {
      runs.back().end = x + 1;
    } else {
      runs.push_back({x, x + 1, color});
    }
  }
  return runs;
}

void writeRect(std::ostream& svg, const Run& run, std::size_t y, std::size_t height) {
  svg << "<rect x=\"" << run.start << "\" y=\"" << y << "\" width=\"" << run.end - run.start << "\" height=\"" << height
      << '"';
  writeFill(svg, run.color);
  svg << "/>\n";
}

// A run of the upper half that the lower half repeats is one rectangle two
// units tall, as most of a picture is.
void writePixels(std::ostream& svg, const std::vector<Cell>& row, std::size_t rowIndex) {
  const std::vector<Run> upper = runsOf(row, 0);
  const std::vector<Run> lower = runsOf(row, 1);
  std::vector<bool> lowerDrawn(lower.size());
  std::size_t next = 0;
  for (const Run& run : upper) {
    while (next < lower.size() && lower[next].start < run.start) ++next;
    const bool both = next < lower.size() && lower[next] == run;
    if (both) lowerDrawn[next] = true;
    writeRect(svg, run, 2 * rowIndex, both ? 2 : 1);
  }
  for (std::size_t i = 0; i < lower.size(); ++i) {
    if (!lowerDrawn[i]) writeRect(svg, lower[i], 2 * rowIndex + 1, 1);
  }
}

void writeEscaped(std::ostream& svg, std::string_view text) {
  for (const char byte : text) {
    switch (byte) {
      case '&': svg << "&amp;"; break;
      case '<': svg << "&lt;"; break;
      case '>': svg << "&gt;"; break;
      case '"': svg << "&quot;"; break;
      case '\'': svg << "&apos;"; break;
      default: svg << byte;
    }
  }
}

bool isBlock(const Cell& cell) {
  return cell.glyph == kFullBlock || cell.glyph == kUpperHalf || cell.glyph == kLowerHalf;
}

// Characters in single cells of one colour are one element, each placed
// by a list of positions.
bool joinsRun(const Cell& cell, const Cell& first) {
  return cell.single && first.single && !cell.glyph.empty() && !isBlock(cell) && cell.foreground == first.foreground;
}

void writeText(std::ostream& svg, const std::vector<Cell>& row, std::size_t rowIndex) {
  for (std::size_t x = 0; x < row.size();) {
    const Cell& first = row[x];
    if (first.glyph.empty() || isBlock(first)) {
      ++x;
      continue;
    }
    std::size_t end = x + 1;
    while (end < row.size() && joinsRun(row[end], first)) ++end;
    svg << "<text x=\"" << x;
    for (std::size_t column = x + 1; column < end; ++column) svg << ' ' << column;
    svg << "\" y=\"" << 2 * rowIndex + 1 << kBaselineBelowRowTop << '"';
    if (first.foreground.isDefault == 0) writeFill(svg, first.foreground);
    svg << '>';
    for (; x < end; ++x) writeEscaped(svg, row[x].glyph);
    svg << "</text>\n";
  }
}

}  // namespace

void writeSvgPicture(std::string_view terminalOutput, std::ostream& svg) {
  // The size comes first in the document, so the rows are read twice
  // rather than held.
  std::vector<Cell> row;
  std::size_t columns = 0;
  std::size_t rows = 0;
  for (RowReader reader(terminalOutput); reader.next(row); ++rows) columns = std::max(columns, row.size());

  const std::size_t width = columns + 2;
  const std::size_t height = 2 * rows + 2;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width * kPixelsPerUnit << "\" height=\""
      << height * kPixelsPerUnit << "\" viewBox=\"-1 -1 " << width << ' ' << height
      << "\" shape-rendering=\"crispEdges\" font-family=\"monospace\" font-size=\"" << kFontSize << '"';
  writeFill(svg, kForeground);
  svg << ">\n<rect x=\"-1\" y=\"-1\" width=\"" << width << "\" height=\"" << height << '"';
  writeFill(svg, kBackdrop);
  svg << "/>\n";
  std::size_t rowIndex = 0;
  for (RowReader reader(terminalOutput); reader.next(row); ++rowIndex) {
    writePixels(svg, row, rowIndex);
    writeText(svg, row, rowIndex);
  }
  svg << "</svg>\n";
}

}  // namespace trot
