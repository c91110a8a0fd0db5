// A decoded picture: rows of 8-bit RGBA pixels, top to bottom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/exception.hpp"

namespace trot {

struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;

  // A pixel less than half opaque does not show; the terminal cannot blend.
  bool opaque() const { return a >= 128; }
  bool operator==(const Rgba&) const = default;
};

struct Picture {
  std::size_t width = 0;
  std::size_t height = 0;
  std::vector<Rgba> pixels;  // row after row

  Rgba& at(std::size_t x, std::size_t y) { return pixels[y * width + x]; }
  const Rgba& at(std::size_t x, std::size_t y) const { return pixels[y * width + x]; }
};

// Why a picture cannot become an art: it is not a picture we read, it is
// damaged or too large, or nothing of it shows.
class PictureException : public Exception {
 public:
  using Exception::Exception;
  const char* typeName() const override { return "Picture"; }
};

}  // namespace trot
