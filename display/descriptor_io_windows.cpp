#include <io.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "display/descriptor_io.hpp"

namespace trot {

namespace {

// The C runtime's reads and writes count in unsigned int.
constexpr std::size_t kLargestTransfer = INT_MAX / 2;

}  // namespace

int writeAll(int descriptor, const char* bytes, std::size_t size) {
  while (size > 0) {
    const unsigned int part = static_cast<unsigned int>(std::min(size, kLargestTransfer));
    const int written = ::_write(descriptor, bytes, part);
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
  const unsigned int part = static_cast<unsigned int>(std::min(size, kLargestTransfer));
  for (;;) {
    const int count = ::_read(descriptor, bytes, part);
    if (count >= 0) return static_cast<long>(count);
    if (errno != EINTR) {
      error = errno;
      return -1;
    }
  }
}

}  // namespace trot
