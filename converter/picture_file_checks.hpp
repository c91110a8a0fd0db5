// What the decoder does not check itself: that a PNG or BMP file is all
// there and undamaged. The decoder reads a cut-off BMP as black pixels and
// never looks at a PNG's checksums.
#pragma once

#include <cstdint>
#include <string_view>

namespace trot {

enum class PictureFormat { Png, Bmp };

// From the first bytes; throws PictureException for anything else.
PictureFormat pictureFormat(std::string_view bytes);

// Every chunk up to IEND is complete and has the CRC it should have.
// Throws PictureException saying which chunk is cut off or damaged.
void checkPngChunks(std::string_view bytes);

// The pixel rows that a BMP header of this size promises are all in the
// file. Throws PictureException otherwise.
void checkBmpLength(std::string_view bytes, std::uint32_t width, std::uint32_t height);

// The CRC-32 of PNG chunks (over the type and the data).
std::uint32_t pngCrc(std::string_view bytes);

}  // namespace trot
