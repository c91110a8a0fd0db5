#include "model/utf8.hpp"

namespace trot {

namespace {

std::uint32_t continuationBits(std::string_view bytes, std::size_t index) {
  return static_cast<unsigned char>(bytes[index]) & 0x3Fu;
}

}  // namespace

std::uint32_t decodeNext(std::string_view& bytes) {
  if (bytes.empty()) return 0;
  const unsigned lead = static_cast<unsigned char>(bytes.front());
  const std::size_t available = bytes.size() - 1;

  std::size_t following = 0;
  std::uint32_t payload = 0;
  if (lead < 0x80) {
    bytes.remove_prefix(1);
    return lead;
  }
  if ((lead & 0xE0u) == 0xC0u) {
    following = 1;
    payload = lead & 0x1Fu;
  } else if ((lead & 0xF0u) == 0xE0u) {
    following = 2;
    payload = lead & 0x0Fu;
  } else if ((lead & 0xF8u) == 0xF0u) {
    following = 3;
    payload = lead & 0x07u;
  }

  if (following == 0 || following > available) {
    // A stray or cut-short lead swallows the byte after it as well.
    bytes.remove_prefix(available > 0 ? 2 : 1);
    return 0;
  }
  std::uint32_t codePoint = payload;
  for (std::size_t i = 1; i <= following; ++i) codePoint = (codePoint << 6) | continuationBits(bytes, i);
  bytes.remove_prefix(following + 1);
  return codePoint;
}

std::uint32_t decodeStrict(std::string_view& bytes) {
  const unsigned lead = static_cast<unsigned char>(bytes.front());
  if (lead < 0x80) {
    bytes.remove_prefix(1);
    return lead;
  }
  // The range of the second byte rules out overlong forms, surrogates and
  // values beyond U+10FFFF (RFC 3629, section 4).
  std::size_t following = 0;
  unsigned low = 0x80;
  unsigned high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    following = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    following = 2;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    following = 3;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (following == 0 || following >= bytes.size()) {
    bytes.remove_prefix(1);
    return kInvalidByte;
  }
  std::uint32_t codePoint = lead & (0x3Fu >> following);
  for (std::size_t i = 1; i <= following; ++i) {
    const unsigned byte = static_cast<unsigned char>(bytes[i]);
    const bool inRange = i == 1 ? byte >= low && byte <= high : (byte & 0xC0u) == 0x80u;
    if (!inRange) {
      bytes.remove_prefix(1);
      return kInvalidByte;
    }
    codePoint = (codePoint << 6) | (byte & 0x3Fu);
  }
  bytes.remove_prefix(following + 1);
  return codePoint;
}

std::size_t countCodePoints(std::string_view bytes) {
  std::size_t count = 0;
  while (!bytes.empty() && decodeNext(bytes) != 0) ++count;
  return count;
}

std::string encodeUtf8(std::uint32_t codePoint) {
  std::string out;
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x110000) {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
  return out;
}

}  // namespace trot
