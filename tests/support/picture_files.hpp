// Small PNG and BMP files written from their samples, for tests that read
// pictures. The PNG data is stored without compression.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace trot::test {

struct PngImage {
  std::size_t width = 0;
  std::size_t height = 0;
  int colorType = 6;                   // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
  int bitDepth = 8;                    // 8 or 16
  std::vector<std::uint16_t> samples;  // row after row, every channel of a pixel
  std::string palette;                 // PLTE: red, green, blue per entry
  std::string transparency;            // tRNS: an alpha per palette entry
};

std::string pngFile(const PngImage& image);

// A 24-bit BMP, stored bottom row first as BMP files are; `rgb` holds red,
// green and blue per pixel, top row first.
std::string bmpFile(std::size_t width, std::size_t height, const std::vector<std::uint8_t>& rgb);

}  // namespace trot::test
