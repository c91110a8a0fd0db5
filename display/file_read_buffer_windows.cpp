#include "display/file_read_buffer.hpp"

namespace trot {

// The wide-character open takes every file name.
std::FILE* FileReadBuffer::openForReading(const std::filesystem::path& path) { return _wfopen(path.c_str(), L"rb"); }

void FileReadBuffer::prefetchWhole(std::uint64_t) {}

}  // namespace trot
