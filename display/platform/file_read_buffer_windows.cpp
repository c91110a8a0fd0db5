#include "display/platform/file_read_buffer.hpp"

namespace trot {

// The wide-character open takes every file name.
std::FILE* FileReadBuffer::openForReading(const std::filesystem::path& path) { return _wfopen(path.c_str(), L"rb"); }

void FileReadBuffer::prefetchWhole(std::uint64_t) {}

std::size_t FileReadBuffer::readFromFile(off_type start, std::size_t length) {
  if (std::fseek(file_, static_cast<long>(start), SEEK_SET) != 0) return 0;
  return std::fread(block_.get(), 1, length, file_);
}

}  // namespace trot
