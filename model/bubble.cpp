#include "model/bubble.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "model/column_width.hpp"
#include "model/utf8.hpp"

namespace trot {

namespace {

constexpr std::string_view kBubbleTag = "bubble0";
constexpr std::string_view kBubbleTypesTag = "bubbleTypes5";
constexpr const char* kBadBubble = "Failed to decode bubble, invalid input format";
// Side elements are stored cut to this many bytes, even inside a character.
constexpr std::size_t kSideBytes = 33;
constexpr std::uint8_t kSayBit = 0x01;
constexpr std::uint8_t kThinkBit = 0x02;

using Lines = std::vector<std::string>;

std::array<Lines*, 5> topOf(Bubble& b) { return {&b.nw, &b.nnw, &b.n, &b.nne, &b.ne}; }
std::array<Lines*, 5> bottomOf(Bubble& b) { return {&b.sw, &b.ssw, &b.s, &b.sse, &b.se}; }
std::array<std::string*, 8> sidesOf(Bubble& b) { return {&b.nww, &b.w, &b.sww, &b.ww, &b.nee, &b.e, &b.see, &b.ee}; }

// Exactly `height` lines per element; an element built with fewer lines
// than its height gets empty ones.
void writeElements(std::ostream& stream, const std::array<Lines*, 5>& elements, std::uint8_t height) {
  for (const Lines* lines : elements) {
    for (std::size_t i = 0; i < height; ++i) Transcoder::writeString(stream, i < lines->size() ? (*lines)[i] : "");
  }
}

// Every element has at least one line in the file, even with a height of 0.
void readElements(std::istream& stream, const std::array<Lines*, 5>& elements, std::uint8_t height) {
  const std::size_t count = std::max<std::size_t>(height, 1);
  for (Lines* lines : elements) {
    lines->assign(count, std::string());
    for (std::string& line : *lines) Transcoder::readString(stream, line);
  }
}

struct NamedLines {
  const char* name;
  const Lines& lines;
};

struct NamedSide {
  const char* name;
  const std::string& line;
};

// Takes the next character or colour off the front of a non-empty `line`
// and gives its columns.
std::size_t nextColumns(std::string_view& line) {
  if (const std::size_t colour = colourSequenceLength(line); colour > 0) {
    line.remove_prefix(colour);
    return 0;
  }
  const std::uint32_t codePoint = decodeStrict(line);
  return codePoint == kInvalidByte ? 1 : columnWidth(codePoint);
}

std::size_t columnsOf(std::string_view line) {
  std::size_t columns = 0;
  while (!line.empty()) columns += nextColumns(line);
  return columns;
}

// The offset of the character that takes the line past `most` columns.
std::size_t pastColumns(std::string_view line, std::size_t most) {
  std::size_t columns = 0;
  for (std::string_view rest = line;;) {
    const std::size_t offset = line.size() - rest.size();
    columns += nextColumns(rest);
    if (columns > most) return offset;
  }
}

void checkLine(const char* piece, std::size_t number, std::string_view line, const Bubble::PieceLocator& locate) {
  const auto refuse = [&](std::size_t size, const char* unit, std::size_t most, std::size_t offending) {
    throw Bubble::ParseException("Line " + std::to_string(number) + " of " + piece + " holds " + std::to_string(size) +
                                 " " + unit + ", more than " + std::to_string(most) +
                                 (locate ? locate(piece, number, offending) : std::string()));
  };
  if (line.size() > Bubble::kMostPieceBytes) {
    refuse(line.size(), "bytes", Bubble::kMostPieceBytes, Bubble::kMostPieceBytes);
  }
  // Bytes first, so that counting the columns costs at most the bytes limit.
  if (const std::size_t columns = columnsOf(line); columns > Bubble::kMostPieceColumns) {
    refuse(columns, "columns", Bubble::kMostPieceColumns, pastColumns(line, Bubble::kMostPieceColumns));
  }
}

}  // namespace

void Bubble::checkPieces(const PieceLocator& locate) const {
  const NamedLines borders[] = {{"nw", nw}, {"nnw", nnw}, {"n", n}, {"nne", nne}, {"ne", ne},
                                {"sw", sw}, {"ssw", ssw}, {"s", s}, {"sse", sse}, {"se", se}};
  for (const auto& [name, lines] : borders) {
    for (std::size_t i = 0; i < lines.size(); ++i) checkLine(name, i + 1, lines[i], locate);
  }
  const NamedSide sides[] = {{"nww", nww}, {"w", w}, {"sww", sww}, {"ww", ww},
                             {"nee", nee}, {"e", e}, {"see", see}, {"ee", ee}};
  for (const auto& [name, line] : sides) checkLine(name, 1, line, locate);
}

void Bubble::encode(std::ostream& stream) {
  writeTag(stream, kBubbleTag);
  writeRaw(stream, linkSlash);
  writeRaw(stream, linkBackslash);
  writeRaw(stream, linkX);
  writeRaw(stream, topHeight);
  writeRaw(stream, bottomHeight);
  writeRaw(stream, leftWidth);
  writeRaw(stream, rightWidth);
  writeElements(stream, topOf(*this), topHeight);
  writeElements(stream, bottomOf(*this), bottomHeight);
  for (const std::string* side : sidesOf(*this)) writeString(stream, std::string_view(*side).substr(0, kSideBytes));
}

void Bubble::load(std::istream& stream) {
  if (!expectTag(stream, kBubbleTag)) throw NullException(kBadBubble);
  readRaw(stream, linkSlash);
  readRaw(stream, linkBackslash);
  readRaw(stream, linkX);
  readRaw(stream, topHeight);
  readRaw(stream, bottomHeight);
  readRaw(stream, leftWidth);
  readRaw(stream, rightWidth);
  readElements(stream, topOf(*this), topHeight);
  readElements(stream, bottomOf(*this), bottomHeight);
  for (std::string* side : sidesOf(*this)) readString(stream, *side);
  checkPieces();
}

const Bubble& BubbleTypes::getSay() const {
  if (!hasSay_) throw NullException("Tried to fetch say bubble on bubble that doesnt have say");
  return say_;
}

const Bubble& BubbleTypes::getThink() const {
  if (!hasThink_) throw NullException("Tried to fetch think bubble on bubble that doesnt have think");
  return think_;
}

void BubbleTypes::setSay(const Bubble& bubble) {
  say_ = bubble;
  hasSay_ = true;
}

void BubbleTypes::setThink(const Bubble& bubble) {
  think_ = bubble;
  hasThink_ = true;
}

void BubbleTypes::encodeInit() {
  if (hasSay_) say_.encodeInit();
  if (hasThink_) think_.encodeInit();
}

void BubbleTypes::encode(std::ostream& stream) {
  writeTag(stream, kBubbleTypesTag);
  writeRaw(stream, static_cast<std::uint8_t>((hasSay_ ? kSayBit : 0) | (hasThink_ ? kThinkBit : 0)));
  if (hasSay_) say_.encode(stream);
  if (hasThink_) think_.encode(stream);
}

void BubbleTypes::decode(std::istream& stream) {
  if (!expectTag(stream, kBubbleTypesTag)) throw NullException(kBadBubble);
  std::uint8_t flags = 0;
  readRaw(stream, flags);
  hasSay_ = (flags & kSayBit) != 0;
  hasThink_ = (flags & kThinkBit) != 0;
  if (hasSay_) say_.load(stream);
  if (hasThink_) think_.load(stream);
}

}  // namespace trot
