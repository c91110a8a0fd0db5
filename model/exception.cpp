#include "model/exception.hpp"

#include <system_error>

#include "model/utf8.hpp"

namespace trot {

namespace {

std::string withOffset(std::int64_t offset, const std::string& message) {
  if (offset == FileException::kNoOffset) return message;
  const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(offset & 0xFFFFFFFF));
  return message + " at offset #" + std::to_string(low);
}

void appendEscaped(std::string& out, std::string_view bytes) {
  constexpr std::string_view kHexDigits = "0123456789ABCDEF";
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    out += "\\x";
    out += kHexDigits[value >> 4];
    out += kHexDigits[value & 0xF];
  }
}

}  // namespace

std::string escapeControlBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::string_view before = text;
    const std::uint32_t codePoint = decodeStrict(text);
    const std::string_view bytes = before.substr(0, before.size() - text.size());
    const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == kInvalidByte;
    if (control) {
      appendEscaped(out, bytes);
    } else {
      out += bytes;
    }
  }
  return out;
}

void Exception::print(std::ostream& stream) const {
  stream << typeName() << " error: " << escapeControlBytes(message_);
  if (!reason_.empty()) stream << ": " << escapeControlBytes(reason_);
  else if (closesWithColon()) stream << ':';
  stream << '\n';
}

std::string atLineAndColumn(std::size_t line, std::size_t column) {
  return " at line " + std::to_string(line) + ", column " + std::to_string(column);
}

std::string systemReason(int error) { return std::generic_category().message(error); }

FileException::FileException(std::int64_t offset, const std::string& message, std::string reason)
    : Exception(withOffset(offset, message), std::move(reason)), offset_(offset) {}

}  // namespace trot
