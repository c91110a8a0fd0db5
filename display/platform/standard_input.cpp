#include "display/platform/standard_input.hpp"

#include <algorithm>

#include "display/platform/descriptor_io.hpp"
#include "model/exception.hpp"

namespace trot {

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 16;

}  // namespace

void readInput(int descriptor, std::string& text, std::size_t spare) {
  // Room for the last read too, which finds the end.
  text.reserve(text.size() + regularFileSize(descriptor) + kBlock + spare);
  for (;;) {
    const std::size_t start = text.size();
    if (text.capacity() < start + kBlock + spare) text.reserve(std::max(2 * text.capacity(), start + kBlock + spare));
    text.resize(start + kBlock);
    int error = 0;
    const long count = readSome(descriptor, text.data() + start, kBlock, error);
    text.resize(start + static_cast<std::size_t>(std::max(count, 0L)));
    if (count < 0) {
      throw FileException(FileException::kNoOffset, "Failed to read standard input", systemReason(error));
    }
    if (count == 0) return;
  }
}

void readStandardInput(std::string& text, std::size_t spare) { readInput(kStandardInput, text, spare); }

}  // namespace trot
