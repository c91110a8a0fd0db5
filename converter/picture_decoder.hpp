// PNG and BMP files into pixels.
#pragma once

#include <cstddef>
#include <string_view>

#include "converter/picture.hpp"

namespace trot {

// Larger pictures are refused before they are decoded: a few kilobytes of
// PNG can claim a picture of gigabytes.
inline constexpr std::size_t kMostPictureSide = 4096;
inline constexpr std::size_t kMostPictureBytes = std::size_t{64} << 20;

// Decodes a whole PNG (palette, grey or colour, with or without alpha, 1 to
// 16 bits) or BMP file. 16-bit samples are rounded to the nearest 8-bit
// value; a pixel less than half opaque becomes see-through black, so that
// all see-through pixels are equal. Throws PictureException saying why a
// file cannot be read.
Picture decodePicture(std::string_view bytes);

}  // namespace trot
