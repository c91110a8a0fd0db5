// Colour output through escape sequences. The formatter remembers the colours
// it last emitted and skips an escape that would change nothing; the art
// renderer relies on that memory to choose its glyphs.
#pragma once

#include <cstdint>
#include <ostream>
#include <unordered_map>

#include "model/color.hpp"

namespace trot {

// How many colours the output can show. With None no escape is written at
// all; 16 and 256 show each colour as its nearest palette entry.
enum class ColorDepth : std::uint8_t { None, Basic16, Palette256, TrueColor };

class ColorFormat {
 public:
  ColorFormat() = default;
  ColorFormat(const ColorFormat&) = delete;
  ColorFormat& operator=(const ColorFormat&) = delete;
  virtual ~ColorFormat() = default;

  virtual void init(std::ostream& stream) = 0;
  virtual void setForeground(std::ostream& stream, Color color) = 0;
  virtual void setBackground(std::ostream& stream, Color color) = 0;
  virtual void bold(std::ostream& stream) = 0;
  virtual void reset(std::ostream& stream) = 0;
  virtual ColorDepth depth() const = 0;

  // 1: (fore, back) is the current pair; -1: it is the current pair swapped
  // (only when the current foreground is an RGB colour); 0 otherwise.
  std::int8_t matchPair(Color fore, Color back) const;
  // 1: an RGB `color` equal to the foreground; -1: equal to the background.
  std::int8_t matchOne(Color color) const;

  Color foreground() const { return foreground_; }
  Color background() const { return background_; }

 protected:
  Color foreground_;
  Color background_;
};

class ColorFormatANSI final : public ColorFormat {
 public:
  explicit ColorFormatANSI(ColorDepth depth = ColorDepth::TrueColor) : depth_(depth) {}

  // Prepares a Windows console for UTF-8 and escape sequences; elsewhere
  // terminals need nothing.
  void init(std::ostream& stream) override;
  void setForeground(std::ostream& stream, Color color) override;
  void setBackground(std::ostream& stream, Color color) override;
  void bold(std::ostream& stream) override;
  void reset(std::ostream& stream) override;
  ColorDepth depth() const override { return depth_; }

 private:
  // What a colour is written as: -1 for the default colour, else its index
  // in the palette of the depth (unused at 24 bits).
  int paletteCode(Color color);
  void writeColor(std::ostream& stream, Color color, bool background);

  ColorDepth depth_;
  // Codes last written, so that two colours with the same palette entry
  // cost one escape.
  int foregroundCode_ = -1;
  int backgroundCode_ = -1;
  // Each colour is matched against the palette once per run: an art has
  // few distinct colours but repeats them in every row.
  std::unordered_map<std::uint32_t, std::uint8_t> paletteCache_;
};

}  // namespace trot
