#include "display/file_read_buffer.hpp"

namespace trot {

std::FILE* FileReadBuffer::openForReading(const std::filesystem::path& path) { return std::fopen(path.c_str(), "rb"); }

}  // namespace trot
