#include "tests/support/picture_files.hpp"

#include <algorithm>

namespace trot::test {

namespace {

void putBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 0xFF);
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

std::uint32_t crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char byte : bytes) {
    crc ^= static_cast<unsigned char>(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

void putChunk(std::string& out, const std::string& type, const std::string& data) {
  putBigEndian(out, static_cast<std::uint32_t>(data.size()));
  out += type + data;
  putBigEndian(out, crc32(type + data));
}

// A zlib stream of stored blocks.
std::string zlibStored(const std::string& data) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t size = std::min<std::size_t>(data.size() - at, 0xFFFF);
    out += static_cast<char>(at + size == data.size() ? 1 : 0);
    putLittleEndian(out, static_cast<std::uint32_t>(size), 2);
    putLittleEndian(out, static_cast<std::uint32_t>(~size & 0xFFFF), 2);
    out += data.substr(at, size);
    at += size;
  } while (at < data.size());
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const char byte : data) {
    a = (a + static_cast<unsigned char>(byte)) % 65521;
    b = (b + a) % 65521;
  }
  putBigEndian(out, b << 16 | a);
  return out;
}

}  // namespace

std::string pngFile(const PngImage& image) {
  const std::size_t channels = image.colorType == 6 ? 4 : image.colorType == 2 ? 3 : image.colorType == 4 ? 2 : 1;
  std::string header;
  putBigEndian(header, static_cast<std::uint32_t>(image.width));
  putBigEndian(header, static_cast<std::uint32_t>(image.height));
  header += {static_cast<char>(image.bitDepth), static_cast<char>(image.colorType), 0, 0, 0};

  std::string rows;
  const std::uint16_t* sample = image.samples.data();
  for (std::size_t y = 0; y < image.height; ++y) {
    rows += '\0';  // no filter
    for (std::size_t i = 0; i < image.width * channels; ++i, ++sample) {
      if (image.bitDepth == 16) rows += static_cast<char>(*sample >> 8);
      rows += static_cast<char>(*sample & 0xFF);
    }
  }
  std::string file = "\x89PNG\r\n\x1a\n";
  putChunk(file, "IHDR", header);
  if (!image.palette.empty()) putChunk(file, "PLTE", image.palette);
  if (!image.transparency.empty()) putChunk(file, "tRNS", image.transparency);
  putChunk(file, "IDAT", zlibStored(rows));
  putChunk(file, "IEND", "");
  return file;
}

std::string bmpFile(std::size_t width, std::size_t height, const std::vector<std::uint8_t>& rgb) {
  const std::size_t rowSize = (width * 3 + 3) / 4 * 4;
  constexpr std::uint32_t kHeaders = 14 + 40;
  std::string file = "BM";
  putLittleEndian(file, static_cast<std::uint32_t>(kHeaders + rowSize * height), 4);
  putLittleEndian(file, 0, 4);
  putLittleEndian(file, kHeaders, 4);
  putLittleEndian(file, 40, 4);
  putLittleEndian(file, static_cast<std::uint32_t>(width), 4);
  putLittleEndian(file, static_cast<std::uint32_t>(height), 4);
  putLittleEndian(file, 1, 2);   // planes
  putLittleEndian(file, 24, 2);  // bits per pixel
  file.append(24, '\0');         // no compression, then sizes and counts left to the reader
  for (std::size_t y = height; y-- > 0;) {
    for (std::size_t x = 0; x < width; ++x) {
      const std::uint8_t* pixel = &rgb[(y * width + x) * 3];
      file += {static_cast<char>(pixel[2]), static_cast<char>(pixel[1]), static_cast<char>(pixel[0])};
    }
    file.append(rowSize - width * 3, '\0');
  }
  return file;
}

}  // namespace trot::test
