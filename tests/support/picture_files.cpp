#include "tests/support/picture_files.hpp"

#include <cstdint>

namespace trot::test {

namespace {

std::string bytesOf(std::uint32_t value, int count, bool bigEndian) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += static_cast<char>(value >> (8 * (bigEndian ? count - 1 - i : i)));
  return bytes;
}

std::string chunk(const std::string& type, const std::string& data) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char byte : type + data) {
    crc ^= static_cast<unsigned char>(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return bytesOf(static_cast<std::uint32_t>(data.size()), 4, true) + type + data + bytesOf(~crc, 4, true);
}

}  // namespace

std::string pngFile(std::size_t width, std::size_t height, int colorType, int bitDepth, std::string_view samples,
                    std::string_view palette, std::string_view transparency) {
  std::string rows;
  const std::size_t rowSize = samples.size() / height;
  for (std::size_t y = 0; y < height; ++y) rows += '\0' + std::string(samples.substr(y * rowSize, rowSize));
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const char byte : rows) {
    a = (a + static_cast<unsigned char>(byte)) % 65521;
    b = (b + a) % 65521;
  }
  const auto size = static_cast<std::uint32_t>(rows.size());
  const std::string zlib =
      "\x78\x01\x01" + bytesOf(size, 2, false) + bytesOf(~size, 2, false) + rows + bytesOf(b << 16 | a, 4, true);
  std::string header =
      bytesOf(static_cast<std::uint32_t>(width), 4, true) + bytesOf(static_cast<std::uint32_t>(height), 4, true);
  header += {static_cast<char>(bitDepth), static_cast<char>(colorType), 0, 0, 0};
  std::string file = "\x89PNG\r\n\x1a\n" + chunk("IHDR", header);
  if (!palette.empty()) file += chunk("PLTE", std::string(palette));
  if (!transparency.empty()) file += chunk("tRNS", std::string(transparency));
  return file + chunk("IDAT", zlib) + chunk("IEND", "");
}

std::string bmpFile(std::size_t width, std::size_t height, std::string_view rgb) {
  const std::size_t rowSize = (width * 3 + 3) / 4 * 4;
  const auto le = [](std::size_t value, int count) { return bytesOf(static_cast<std::uint32_t>(value), count, false); };
  // File header, then the 40-byte info header: sizes, one plane, 24 bits a
  // pixel, no compression, and counts left to the reader.
  std::string file = "BM" + le(54 + rowSize * height, 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(width, 4) +
                     le(height, 4) + le(1, 2) + le(24, 2) + std::string(24, '\0');
  for (std::size_t y = height; y-- > 0; file.append(rowSize - width * 3, '\0')) {  // bottom row first
    for (std::size_t i = y * width * 3; i < (y + 1) * width * 3; i += 3) file += {rgb[i + 2], rgb[i + 1], rgb[i]};
  }
  return file;
}

}  // namespace trot::test
