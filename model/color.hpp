// A colour as pictures and terminals know it: the terminal's default or a
// 24-bit RGB value. It is the one colour type of both programs: art cells
// hold it, the art text reader reads it and the renderers write it, so no
// colour is ever converted between types. Its four bytes are plain values,
// stored in no file as they are.
#pragma once

#include <cstdint>

namespace trot {

struct Color {
  std::uint8_t isDefault = 1;
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  // The default colour.
  constexpr Color() = default;
  constexpr Color(std::uint8_t red, std::uint8_t green, std::uint8_t blue) : isDefault(0), r(red), g(green), b(blue) {}

  static constexpr Color defaultColor() { return Color(); }

  // Hue, saturation and value all run 0..255; computed in single precision.
  static Color fromHSV(std::uint8_t h, std::uint8_t s, std::uint8_t v);

  // Two default colours are equal whatever their components hold.
  constexpr bool operator==(const Color& other) const {
    if (isDefault != other.isDefault) return false;
    return isDefault != 0 || (r == other.r && g == other.g && b == other.b);
  }
};

}  // namespace trot
