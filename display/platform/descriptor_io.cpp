#include "display/platform/descriptor_io.hpp"

#include <cerrno>

namespace trot {

int writeAll(int descriptor, const char* bytes, std::size_t size) {
  while (size > 0) {
    const long written = writeOnce(descriptor, bytes, size);
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
    const long count = readOnce(descriptor, bytes, size);
    if (count >= 0) return count;
    if (errno != EINTR) {
      error = errno;
      return -1;
    }
  }
}

}  // namespace trot
