#include "render/bubble_renderer.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/column_width.hpp"
#include "render/line_breaker.hpp"
#include "render/raw_output.hpp"
#include "render/terminal_safe_text.hpp"
#include "render/text_piece.hpp"

namespace trot {

namespace {

constexpr std::size_t kFallbackTextWidth = 40;
constexpr std::size_t kWidestCharacter = 2;
// Side elements are stored cut to this many bytes; longer ones are drawn cut
// the same way.
constexpr std::size_t kSidePieceBytes = 33;
// Enough for a character with a few accents in a colour of its own; a
// middle piece that needs more per column is repeated as its visible
// characters alone, so that the fill of a row costs no more than its columns.
constexpr std::size_t kMostFillBytesPerColumn = 32;

// One border (top or bottom): its five elements from left to right, each a
// list of lines; the middle one is repeated to fill the row.
struct Border {
  std::array<const std::vector<std::string>*, 5> elements;
  std::uint8_t height;
  const char* name;
};

// Elements read from a damaged file may have fewer lines than the height
// says; the missing ones are empty.
std::string_view lineAt(const Border& border, std::size_t element, std::size_t row) {
  const std::vector<std::string>& lines = *border.elements[element];
  return row < lines.size() ? std::string_view(lines[row]) : std::string_view();
}

// Columns of a piece already made safe: its characters', colours taking none.
std::size_t pieceColumns(std::string_view piece) {
  std::size_t columns = 0;
  while (!piece.empty()) {
    const TextPiece part = nextPiece(piece);
    if (part.kind == PieceKind::Character) columns += columnWidth(part.codePoint);
  }
  return columns;
}

// The characters of a piece that take a column, without accents or colours.
std::string visibleCharacters(std::string_view piece) {
  std::string visible;
  while (!piece.empty()) {
    const TextPiece part = nextPiece(piece);
    if (part.kind == PieceKind::Character && columnWidth(part.codePoint) > 0) visible += part.bytes;
  }
  return visible;
}

std::size_t cornerColumns(const Border& border, std::size_t row) {
  std::size_t columns = 0;
  for (const std::size_t element : {0, 1, 3, 4}) columns += pieceColumns(lineAt(border, element, row));
  return columns;
}

std::size_t widestCorners(const Border& border) {
  std::size_t widest = 0;
  for (std::size_t row = 0; row < border.height; ++row) widest = std::max(widest, cornerColumns(border, row));
  return widest;
}

Border topOf(const Bubble& bubble) {
  return {{&bubble.nw, &bubble.nnw, &bubble.n, &bubble.nne, &bubble.ne}, bubble.topHeight, "Top element"};
}

Border bottomOf(const Bubble& bubble) {
  return {{&bubble.sw, &bubble.ssw, &bubble.s, &bubble.sse, &bubble.se}, bubble.bottomHeight, "Bottom element"};
}

void writeSpaces(std::ostream& output, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) putRaw(output, ' ');
}

void writeBorder(std::ostream& output, const Border& border, std::size_t inner, std::size_t indent) {
  for (std::size_t row = 0; row < border.height; ++row) {
    writeSpaces(output, indent);
    const std::size_t corners = cornerColumns(border, row);
    const std::size_t fill = inner > corners ? inner - corners : 0;
    output << lineAt(border, 0, row) << lineAt(border, 1, row);
    const std::string_view middle = lineAt(border, 2, row);
    const std::size_t middleColumns = pieceColumns(middle);
    if (middleColumns == 0) {
      throw NullException(std::string(border.name) + "[" + std::to_string(row) + "] has zero size");
    }
    // Whole copies only: a piece that does not divide the fill overshoots.
    const std::size_t copies = (fill + middleColumns - 1) / middleColumns;
    const bool tooHeavy = copies * middle.size() > fill * kMostFillBytesPerColumn;
    const std::string visible = tooHeavy ? visibleCharacters(middle) : std::string();
    const std::string_view copy = tooHeavy ? std::string_view(visible) : middle;
    for (std::size_t i = 0; i < copies; ++i) putRaw(output, copy);
    output << lineAt(border, 3, row) << lineAt(border, 4, row) << '\n';
  }
}

// The printable part of a line: characters, each in its rainbow colour when
// there is one, and tabs as spaces. `breakWidth` is the width the line was
// broken for, which bounds its tabs.
void writeVisible(std::ostream& output, std::string_view text, Rainbow* rainbow, std::size_t breakWidth) {
  for (std::size_t column = 0; !text.empty();) {
    // Printable ASCII, most of any text, is written a run at a time.
    const auto plain = [](char c) { return c >= 0x20 && c < 0x7F; };
    const auto run = static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), plain) - text.begin());
    if (rainbow == nullptr && run > 0) {
      putRaw(output, text.substr(0, run));
      column += run;
      text.remove_prefix(run);
      continue;
    }
    const TextPiece piece = nextPiece(text);
    if (piece.kind == PieceKind::Tab) {
      const std::size_t spaces = tabColumns(column, breakWidth);
      writeSpaces(output, spaces);
      column += spaces;
    } else if (piece.kind == PieceKind::Character) {
      if (rainbow != nullptr) rainbow->colour(output, piece.bytes.data());
      putRaw(output, shownBytes(piece));
      column += columnWidth(piece.codePoint);
    }
  }
}

// A style file is shared like a database: its pieces are printed only as
// far as they cannot steer the terminal.
Bubble terminalSafePieces(const Bubble& bubble) {
  Bubble safe = bubble;
  for (auto* element : {&safe.nw, &safe.nnw, &safe.n, &safe.nne, &safe.ne, &safe.sw, &safe.ssw, &safe.s, &safe.sse,
                        &safe.se}) {
    for (std::string& line : *element) line = plainTextInColour(line);
  }
  for (auto* side : {&safe.nww, &safe.w, &safe.sww, &safe.ww, &safe.nee, &safe.e, &safe.see, &safe.ee}) {
    *side = plainTextInColour(std::string_view(*side).substr(0, kSidePieceBytes));
  }
  return safe;
}

std::size_t sidesOf(const Bubble& bubble) { return std::size_t{bubble.leftWidth} + bubble.rightWidth; }

// The columns the text is broken at: as many as it needs, at most what the
// bubble's width leaves beside the sides.
std::size_t breakWidthOf(const Bubble& bubble, std::string_view text, std::uint8_t width) {
  const std::size_t sides = sidesOf(bubble);
  return measureWidth(text, width > sides ? width - sides : kFallbackTextWidth);
}

// The layout of a bubble whose pieces are already safe to print.
BubbleLayout layOut(const Bubble& bubble, std::string_view text, std::uint8_t width) {
  const std::size_t overhead = sidesOf(bubble);
  BubbleLayout layout;
  layout.breakWidth = breakWidthOf(bubble, text, width);

  // Keep every row equally wide: a single character wider than the room
  // widens the bubble (no line is wider than it was broken for otherwise),
  // and so do border corners wider than the text.
  layout.lineWidth = layout.breakWidth;
  const auto widen = [&](const Span& line, bool) { layout.lineWidth = std::max(layout.lineWidth, line.width); };
  if (layout.breakWidth < kWidestCharacter) breakLines(text, layout.breakWidth, widen);
  const std::size_t corners = std::max(widestCorners(topOf(bubble)), widestCorners(bottomOf(bubble)));
  if (corners > overhead) layout.lineWidth = std::max(layout.lineWidth, corners - overhead);
  layout.columns = overhead + layout.lineWidth;
  return layout;
}

// Draws a bubble whose pieces are already safe to print.
void draw(const Bubble& bubble, std::ostream& output, std::string_view text, const BubbleLayout& layout,
          Rainbow* rainbow, std::size_t indent) {
  const std::size_t lineWidth = layout.lineWidth;

  writeBorder(output, topOf(bubble), layout.columns, indent);
  const bool asWritten = hasLinesOfItsOwn(text);
  bool first = true;
  const auto writeRow = [&](const Span& line, bool last) {
    const std::string& left = first && last ? bubble.ww : first ? bubble.nww : last ? bubble.sww : bubble.w;
    const std::string& right = first && last ? bubble.ee : first ? bubble.nee : last ? bubble.see : bubble.e;

    const std::size_t pad = lineWidth - line.width;
    const std::size_t before = asWritten ? 0 : pad / 2;
    writeSpaces(output, indent);
    output << left;
    writeSpaces(output, before);
    writeVisible(output, line.text, rainbow, layout.breakWidth);
    if (rainbow != nullptr && last) rainbow->format().reset(output);
    if (rainbow != nullptr) rainbow->format().reset(output);
    writeSpaces(output, pad - before);
    output << right << '\n';
    first = false;
  };
  breakLines(text, layout.breakWidth, writeRow);
  // A text without any line is drawn as one empty row.
  if (first) writeRow(Span{}, true);
  writeBorder(output, bottomOf(bubble), layout.columns, indent);
}

}  // namespace

BubbleLayout layoutBubble(const Bubble& style, std::string_view text, std::uint8_t width) {
  return layOut(terminalSafePieces(style), text, width);
}

std::size_t bubbleRows(const Bubble& bubble, std::string_view text, std::uint8_t width, std::size_t most) {
  const std::size_t borders = std::size_t{bubble.topHeight} + bubble.bottomHeight;
  if (borders > most) return most + 1;
  // A text of more lines than the room has need not be measured at all.
  const std::size_t room = most - borders;
  std::size_t lines = 0;
  for (std::size_t at = 0; lines <= room && (at = text.find('\n', at)) != std::string_view::npos; ++at) ++lines;
  if (lines > room) return most + 1;

  lines = 0;
  breakLines(text, breakWidthOf(bubble, text, width), [&](const Span&, bool) { ++lines; }, room + 1);
  // A text without any line is drawn as one empty row.
  return borders + std::max<std::size_t>(lines, 1);
}

void renderBubble(const Bubble& style, std::ostream& output, std::string_view text, std::uint8_t width,
                  Rainbow* rainbow, std::size_t indent) {
  const Bubble bubble = terminalSafePieces(style);
  draw(bubble, output, text, layOut(bubble, text, width), rainbow, indent);
}

void renderBubble(const Bubble& style, std::ostream& output, std::string_view text, const BubbleLayout& layout,
                  Rainbow* rainbow, std::size_t indent) {
  draw(terminalSafePieces(style), output, text, layout, rainbow, indent);
}

}  // namespace trot
