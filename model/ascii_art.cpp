#include "model/ascii_art.hpp"

#include <array>
#include <ios>

namespace trot {

namespace {

constexpr std::string_view kArtTag = "pony14";
// Per row: u32 position of its cells, u8 indent, u8 cell count.
constexpr std::size_t kRowEntrySize = 6;
// Per cell: u8 flags, then the colours of the halves that are not transparent.
constexpr std::size_t kMostCellBytes = 7;

// A colour is stored as its red, green and blue bytes.
constexpr std::size_t kColorBytes = 3;

char* putColor(char* at, Color color) {
  *at++ = static_cast<char>(color.r);
  *at++ = static_cast<char>(color.g);
  *at++ = static_cast<char>(color.b);
  return at;
}

void readColor(Transcoder::ValueReader& reader, Color& color) {
  reader.raw(color.r);
  reader.raw(color.g);
  reader.raw(color.b);
}

void seekTo(std::istream& stream, std::uint64_t position) { stream.seekg(static_cast<std::streamoff>(position)); }

}  // namespace

std::uint8_t ArtCell::flags() const {
  return static_cast<std::uint8_t>((connector ? kConnectorBit : 0) | (upperTransparent ? kUpperTransparentBit : 0) |
                                   (lowerTransparent ? kLowerTransparentBit : 0) |
                                   (connectorSlash ? kConnectorSlashBit : 0));
}

void ArtCell::setFlags(std::uint8_t flags) {
  connector = (flags & kConnectorBit) != 0;
  upperTransparent = (flags & kUpperTransparentBit) != 0;
  lowerTransparent = (flags & kLowerTransparentBit) != 0;
  connectorSlash = (flags & kConnectorSlashBit) != 0;
}

void AsciiArt::encode(std::ostream& stream) {
  // The format counts rows and cells in one byte each; the builders of arts
  // keep within that, and only as many as the count says are written.
  const auto rowCount = static_cast<std::uint8_t>(rows.size());
  writeTag(stream, kArtTag);
  writeRaw(stream, static_cast<std::uint8_t>(bubbleAbove ? 1 : 0));
  writeRaw(stream, width);
  writeRaw(stream, rowCount);
  writeRaw(stream, bubbleSize);

  // The row table and the cells are put together in memory and written in
  // one piece; each row's entry holds the position where its cells start.
  const streamPosition table = putPosition(stream);
  std::size_t size = kRowEntrySize * rowCount;
  for (std::size_t i = 0; i < rowCount; ++i) size += kMostCellBytes * rows[i].cells.size();
  std::string bytes(size, '\0');
  char* data = bytes.data() + kRowEntrySize * rowCount;
  for (std::size_t i = 0; i < rowCount; ++i) {
    const ArtRow& row = rows[i];
    const auto cellCount = static_cast<std::uint8_t>(row.cells.size());
    char* entry = bytes.data() + kRowEntrySize * i;
    storeRaw(entry, static_cast<streamPosition>(table + (data - bytes.data())));
    storeRaw(entry + 4, row.indent);
    storeRaw(entry + 5, cellCount);
    for (std::size_t c = 0; c < cellCount; ++c) {
      const ArtCell& cell = row.cells[c];
      *data++ = static_cast<char>(cell.flags());
      if (!cell.upperTransparent) data = putColor(data, cell.upper);
      if (!cell.lowerTransparent) data = putColor(data, cell.lower);
    }
  }
  stream.write(bytes.data(), data - bytes.data());
}

void AsciiArt::decode(std::istream& stream) {
  if (!expectTag(stream, kArtTag)) {
    throw FileException(static_cast<std::streamoff>(stream.tellg()), "Failed to decode pony, invalid input format");
  }
  ValueReader reader(stream);
  std::uint8_t above = 0;
  reader.raw(above);
  bubbleAbove = (above & 1) != 0;
  reader.raw(width);
  std::uint8_t rowCount = 0;
  reader.raw(rowCount);
  reader.raw(bubbleSize);

  // The whole row table first, then each row's cells. The encoder lays the
  // cells out back to back in row order right after the table, so an art is
  // read front to back, and a seek is made only where a file says otherwise.
  std::uint64_t position = getPosition(stream) + kRowEntrySize * rowCount;
  std::array<streamPosition, 255> cellPositions{};
  rows.resize(rowCount);
  for (std::size_t i = 0; i < rowCount; ++i) {
    ArtRow& row = rows[i];
    reader.raw(cellPositions[i]);
    reader.raw(row.indent);
    std::uint8_t cellCount = 0;
    reader.raw(cellCount);
    row.cells.resize(cellCount);
  }
  for (std::size_t i = 0; i < rowCount; ++i) {
    // A row without cells reads nothing, so where it says they lie does not
    // matter: a position past the end would leave some streams failed for
    // the rows after it, and others not.
    if (rows[i].cells.empty()) continue;
    if (cellPositions[i] != position) seekTo(stream, cellPositions[i]);
    position = cellPositions[i];
    for (ArtCell& cell : rows[i].cells) {
      std::uint8_t flags = 0;
      reader.raw(flags);
      cell.setFlags(flags);
      ++position;
      // A transparent half keeps whatever colour the cell had.
      if (!cell.upperTransparent) {
        readColor(reader, cell.upper);
        position += kColorBytes;
      }
      if (!cell.lowerTransparent) {
        readColor(reader, cell.lower);
        position += kColorBytes;
      }
    }
  }
}

AsciiArtMeta& AsciiArtMeta::operator=(const AsciiArtMeta& other) {
  if (this == &other) return *this;
  name = other.name;
  const AsciiArt& source = other.art.get();
  if (!art.value) art.set(std::make_unique<AsciiArt>());
  *art.value = source;
  return *this;
}

void AsciiArtMeta::encodeInit() { art.get().encodeInit(); }

void AsciiArtMeta::encode(std::ostream& stream) {
  writeString(stream, name);
  art.get().encode(stream);
}

void AsciiArtMeta::load(std::istream& stream) {
  readString(stream, name);
  // The art's record follows the name; a fresh slot has no position of its
  // own, so it reads from here and remembers where that was.
  art.load(stream);
}

void AsciiArtMeta::decode(std::istream& stream) { readString(stream, name); }

}  // namespace trot
