#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include "display/platform/file_read_buffer.hpp"

namespace trot {

std::FILE* FileReadBuffer::openForReading(const std::filesystem::path& path) { return std::fopen(path.c_str(), "rb"); }

void FileReadBuffer::prefetchWhole(std::uint64_t largest) {
#ifdef POSIX_FADV_WILLNEED
  if (file_ == nullptr || whole_ || static_cast<std::uint64_t>(size_) > largest) return;
#ifdef RWF_NOWAIT
  // Asking costs a look at every page of the file, wasted when all of them
  // are cached, as they mostly are: the first read that finds one missing
  // asks instead.
  prefetchOnMiss_ = true;
#else
  ::posix_fadvise(fileno(file_), 0, size_, POSIX_FADV_WILLNEED);
#endif
#else
  static_cast<void>(largest);
#endif
}

std::size_t FileReadBuffer::readFromFile(off_type start, std::size_t length) {
  const int descriptor = fileno(file_);
#if defined(POSIX_FADV_WILLNEED) && defined(RWF_NOWAIT)
  if (prefetchOnMiss_) {
    // Gives up at once, or with fewer bytes, where the read would wait on
    // the disk; a system that cannot do that fails the same way, and gets
    // the batch too.
    iovec into{block_.get(), length};
    const ssize_t read = ::preadv2(descriptor, &into, 1, start, RWF_NOWAIT);
    if (read >= 0 && static_cast<std::size_t>(read) == length) return length;
    ::posix_fadvise(descriptor, 0, size_, POSIX_FADV_WILLNEED);
    prefetchOnMiss_ = false;
  }
#endif
  // One system call per block, however far the last one was.
  const ssize_t read = ::pread(descriptor, block_.get(), length, start);
  return read > 0 ? static_cast<std::size_t>(read) : 0;
}

}  // namespace trot
