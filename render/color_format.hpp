// Colour output through escape sequences. The formatter remembers the colours
// it last emitted and skips an escape that would change nothing; the art
// renderer relies on that memory to choose its glyphs.
#pragma once

#include <cstdint>
#include <ostream>

#include "render/color.hpp"

namespace trot {

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
  // Prepares a Windows console for UTF-8 and escape sequences; elsewhere
  // terminals need nothing.
  void init(std::ostream& stream) override;
  void setForeground(std::ostream& stream, Color color) override;
  void setBackground(std::ostream& stream, Color color) override;
  void bold(std::ostream& stream) override;
  void reset(std::ostream& stream) override;
};

}  // namespace trot
