#include <fcntl.h>

#include "display/file_read_buffer.hpp"

namespace trot {

std::FILE* FileReadBuffer::openForReading(const std::filesystem::path& path) { return std::fopen(path.c_str(), "rb"); }

void FileReadBuffer::prefetchWhole(std::uint64_t largest) {
#ifdef POSIX_FADV_WILLNEED
  if (file_ == nullptr || whole_ || static_cast<std::uint64_t>(size_) > largest) return;
  ::posix_fadvise(fileno(file_), 0, size_, POSIX_FADV_WILLNEED);
#else
  static_cast<void>(largest);
#endif
}

}  // namespace trot
