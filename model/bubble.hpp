// A bubble style: the pieces of the box drawn around the text and the
// characters of the connector line that leads from the pony to it. A style
// file holds up to two variants, speech ("say") and thought ("think").
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/codec/transcoder.hpp"
#include "model/exception.hpp"

namespace trot {

class Bubble final : public Transcoder {
 public:
  // Raised by the balloon text parser.
  class ParseException : public Exception {
   public:
    using Exception::Exception;
    const char* typeName() const override { return "Bubble Parse"; }
  };

  // Code points of the connector cells; linkX is kept for the source text only.
  std::uint32_t linkSlash = 0;
  std::uint32_t linkBackslash = 0;
  std::uint32_t linkX = 0;
  std::uint8_t topHeight = 0;     // lines of every top element
  std::uint8_t bottomHeight = 0;  // lines of every bottom element
  std::uint8_t leftWidth = 0;     // code points of every west element
  std::uint8_t rightWidth = 0;    // code points of every east element

  // Top and bottom border pieces, one text per line.
  std::vector<std::string> nw, nnw, n, nne, ne;
  std::vector<std::string> sw, ssw, s, sse, se;
  // Side pieces: first, middle and last text line, and the only line of a
  // one-line text.
  std::string nww, w, sww, ww;
  std::string nee, e, see, ee;

  Bubble() = default;
  Bubble(const Bubble&) = default;
  Bubble& operator=(const Bubble&) = default;
  ~Bubble() = default;

  // The code point for a connector cell leaning like '/' (true) or '\'.
  std::uint32_t linkFor(bool slash) const { return slash ? linkSlash : linkBackslash; }

  // A line of a piece holds at most this many columns and bytes: drawing the
  // style then writes at most a fixed multiple of its own size per row.
  static constexpr std::size_t kMostPieceColumns = 255;
  static constexpr std::size_t kMostPieceBytes = 1024;

  // Where a piece's line stands in the text it was read from, for reports:
  // given the piece's key, the line's number in the piece (from 1) and the
  // offending byte's offset in it, a text such as " at line 7, column 12".
  using PieceLocator = std::function<std::string(std::string_view piece, std::size_t line, std::size_t byte)>;

  // Throws ParseException naming the first line of a piece that holds more
  // than kMostPieceColumns columns or kMostPieceBytes bytes, followed by
  // what `locate` says of the first character past the limit. Columns are
  // counted by the terminal width rules (model/column_width.hpp); a colour
  // sequence takes none, as drawn, and a byte that is not UTF-8 and every
  // byte of any other escape sequence one each, so a piece never draws wider
  // than it is measured.
  void checkPieces(const PieceLocator& locate = {}) const;

  void encodeInit() override {}
  void encode(std::ostream& stream) override;
  // Refuses a style that checkPieces refuses.
  void load(std::istream& stream) override;
  void decode(std::istream& stream) override { load(stream); }
};

class BubbleTypes final : public Transcoder {
 public:
  BubbleTypes() = default;
  BubbleTypes(const BubbleTypes&) = default;
  BubbleTypes& operator=(const BubbleTypes&) = default;
  ~BubbleTypes() = default;

  bool hasSay() const { return hasSay_; }
  bool hasThink() const { return hasThink_; }
  // Throw NullException when the variant is missing.
  const Bubble& getSay() const;
  const Bubble& getThink() const;
  void setSay(const Bubble& bubble);
  void setThink(const Bubble& bubble);

  void encodeInit() override;
  void encode(std::ostream& stream) override;
  void load(std::istream& stream) override { decode(stream); }
  void decode(std::istream& stream) override;

 private:
  Bubble say_;
  Bubble think_;
  bool hasSay_ = false;
  bool hasThink_ = false;
};

}  // namespace trot
