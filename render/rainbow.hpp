// Random rainbow colours for a text, one per character, handed out as the
// bubble writes the text: each colour is written in the row of the character
// it belongs to, through the formatter that writes the rest of the row.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "render/color_format.hpp"

namespace trot {

// Drops the text's escape sequences, in place, as the text may be huge.
void removeEscapes(std::string& text);

class Rainbow {
 public:
  // `text` is the text the bubble draws, without escapes. Each character of
  // it as decodeNext delimits them takes two draws, hue then saturation,
  // drawn or not, so a seed colours alike at any width.
  Rainbow(std::string_view text, ColorFormat& format, std::function<std::uint32_t()> draw);

  // Sets the colour of the character of the text that starts at
  // `character`; characters are coloured in the order they stand.
  void colour(std::ostream& output, const char* character);
  ColorFormat& format() { return format_; }

 private:
  std::string_view text_;
  std::size_t drawnTo_ = 0;  // where the first character without a colour starts
  Color current_;
  ColorFormat& format_;
  std::function<std::uint32_t()> draw_;
};

}  // namespace trot
