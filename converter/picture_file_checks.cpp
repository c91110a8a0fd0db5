#include "converter/picture_file_checks.hpp"

#include <array>
#include <string>

#include "converter/picture.hpp"

namespace trot {

namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";
constexpr std::string_view kBmpSignature = "BM";

constexpr std::array<std::uint32_t, 256> crcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < table.size(); ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

std::uint32_t bigEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

std::uint32_t pngCrc(std::string_view bytes) {
  static constexpr auto kTable = crcTable();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char byte : bytes) crc = kTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

PictureFormat pictureFormat(std::string_view bytes) {
  if (bytes.starts_with(kPngSignature)) return PictureFormat::Png;
  if (bytes.starts_with(kBmpSignature)) return PictureFormat::Bmp;
  throw PictureException("not a PNG or BMP picture");
}

void checkPngChunks(std::string_view bytes) {
  // Length, type, data, CRC.
  constexpr std::size_t kFrame = 12;
  std::size_t at = kPngSignature.size();
  for (;;) {
    if (bytes.size() - at < kFrame) throw PictureException("truncated PNG: it ends before its IEND chunk");
    const std::uint32_t length = bigEndian32(bytes, at);
    const std::string type(bytes.substr(at + 4, 4));
    if (length > bytes.size() - at - kFrame)
      throw PictureException("truncated PNG: it ends inside its " + type + " chunk");
    if (pngCrc(bytes.substr(at + 4, 4 + length)) != bigEndian32(bytes, at + 8 + length)) {
      throw PictureException("damaged PNG: its " + type + " chunk fails its CRC check");
    }
    if (type == "IEND") return;
    at += kFrame + length;
  }
}

void checkBmpLength(std::string_view bytes, std::uint32_t width, std::uint32_t height) {
  // File header: "BM", size, reserved, pixel offset; then the info header,
  // whose oldest 12-byte form has 16-bit sizes and the bit count at 24.
  constexpr std::size_t kHeaders = 30;
  if (bytes.size() < kHeaders) throw PictureException("truncated BMP: it ends inside its header");
  const std::uint32_t pixelOffset = littleEndian(bytes, 10, 4);
  const bool oldHeader = littleEndian(bytes, 14, 4) == 12;
  const std::uint64_t bitsPerPixel = littleEndian(bytes, oldHeader ? 24 : 28, 2);
  const std::uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
  const std::uint64_t needed = pixelOffset + rowBytes * height;
  if (bytes.size() < needed) {
    throw PictureException("truncated BMP: it holds " + std::to_string(bytes.size()) + " bytes of the " +
                           std::to_string(needed) + " its header promises");
  }
}

}  // namespace trot
