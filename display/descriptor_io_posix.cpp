#include <cerrno>

#include <unistd.h>

#include "display/descriptor_io.hpp"

namespace trot {

int writeAll(int descriptor, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    // Nothing taken and no error: the device has no room left.
    if (written == 0) return ENOSPC;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return 0;
}

long readSome(int descriptor, char* bytes, std::size_t size, int& error) {
  for (;;) {
    const ssize_t count = ::read(descriptor, bytes, size);
    if (count >= 0) return static_cast<long>(count);
    if (errno != EINTR) {
      error = errno;
      return -1;
    }
  }
}

}  // namespace trot
