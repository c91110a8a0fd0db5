#include "model/exception.hpp"

namespace trot {

namespace {

std::string withOffset(std::int64_t offset, const std::string& message) {
  if (offset == FileException::kNoOffset) return message;
  const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(offset & 0xFFFFFFFF));
  return message + " at offset #" + std::to_string(low);
}

}  // namespace

void Exception::print(std::ostream& stream) const { stream << typeName() << " error: " << message_ << ":\n"; }

FileException::FileException(std::int64_t offset, const std::string& message)
    : Exception(withOffset(offset, message)), offset_(offset) {}

}  // namespace trot
