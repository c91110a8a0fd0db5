// One picture of a pony: rows of cells, each cell showing two stacked pixels
// (or a connector mark for the line from the bubble), and the named variant
// that carries it in a pony database.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/character_id.hpp"
#include "model/codec/transcoder.hpp"
#include "model/codec/transcoder_hook.hpp"
#include "model/color.hpp"
#include "model/exception.hpp"

namespace trot {

struct ArtCell {
  static constexpr std::uint8_t kConnectorBit = 0x01;
  static constexpr std::uint8_t kUpperTransparentBit = 0x02;
  static constexpr std::uint8_t kLowerTransparentBit = 0x04;
  static constexpr std::uint8_t kConnectorSlashBit = 0x08;

  // Always RGB; a transparent half shows the terminal's default instead.
  Color upper{0, 0, 0};
  Color lower{0, 0, 0};
  bool connector = false;
  bool upperTransparent = true;
  bool lowerTransparent = true;
  bool connectorSlash = false;  // leans like '/' when set, like '\' when clear

  // The four flags as they are stored: bit 0 connector, bit 1 upper
  // transparent, bit 2 lower transparent, bit 3 slash.
  std::uint8_t flags() const;
  // Takes the low four bits; the rest are ignored.
  void setFlags(std::uint8_t flags);

  // What each half shows: the default colour when it is transparent. The
  // colour is made anew from its components, so that the renderer's tests of
  // it compile to tests of the flag alone.
  Color upperShown() const { return upperTransparent ? Color::defaultColor() : Color(upper.r, upper.g, upper.b); }
  Color lowerShown() const { return lowerTransparent ? Color::defaultColor() : Color(lower.r, lower.g, lower.b); }

  bool operator==(const ArtCell&) const = default;
};

struct ArtRow {
  std::uint8_t indent = 0;  // empty cell positions before the first cell
  std::vector<ArtCell> cells;

  bool operator==(const ArtRow&) const = default;
};

class AsciiArt final : public Transcoder {
 public:
  // Raised by the pony art text parser.
  class ParserException : public Exception {
   public:
    using Exception::Exception;
    const char* typeName() const override { return "Pony Parser"; }
  };

  std::uint8_t width = 0;       // widest row's extent in cells, indent included
  std::uint8_t bubbleSize = 0;  // kept from the source art; nothing draws with it
  std::vector<ArtRow> rows;     // top to bottom, at most 255 of at most 255 cells
  bool bubbleAbove = false;

  AsciiArt() = default;
  AsciiArt(const AsciiArt&) = default;
  AsciiArt& operator=(const AsciiArt&) = default;
  ~AsciiArt() = default;

  std::uint8_t rowCount() const { return static_cast<std::uint8_t>(rows.size()); }

  void encodeInit() override {}
  void encode(std::ostream& stream) override;
  void load(std::istream& stream) override { decode(stream); }
  void decode(std::istream& stream) override;
};

// A named art variant. Its record is the name followed at once by the art's
// record; the art's position is stored nowhere.
class AsciiArtMeta final : public Transcoder {
 public:
  std::string name;
  TranscoderHook<AsciiArt> art;
  CharacterId owner = kNoOwner;  // not stored in files

  AsciiArtMeta() = default;
  AsciiArtMeta(const AsciiArtMeta&) = delete;
  ~AsciiArtMeta() = default;

  // Copies the name and a deep copy of the art (which must be loaded); the
  // owner and the art slot's stream positions stay as they are.
  AsciiArtMeta& operator=(const AsciiArtMeta& other);

  void encodeInit() override;
  void encode(std::ostream& stream) override;
  void load(std::istream& stream) override;
  // Reads the name only; the art slot stays empty.
  void decode(std::istream& stream) override;
};

}  // namespace trot
