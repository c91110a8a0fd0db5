// Small PNG and BMP files written from their samples, for tests that read
// pictures.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trot::test {

// A PNG whose pixel data is stored uncompressed in one block, so at most
// 64 KiB of it. `samples` holds the rows one after the other, each sample
// as the file has it (16-bit ones big-endian). Colour types: 0 grey, 2 RGB,
// 3 palette, 4 grey and alpha, 6 RGBA.
std::string pngFile(std::size_t width, std::size_t height, int colorType, int bitDepth, std::string_view samples,
                    std::string_view palette = {}, std::string_view transparency = {});

// A 24-bit BMP; `rgb` holds red, green and blue of every pixel, top row first.
std::string bmpFile(std::size_t width, std::size_t height, std::string_view rgb);

}  // namespace trot::test
