#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>

#include "display/platform/descriptor_io.hpp"

namespace trot {

namespace {

// The C runtime's reads and writes count in unsigned int.
constexpr std::size_t kLargestTransfer = INT_MAX / 2;

unsigned int transfer(std::size_t size) { return static_cast<unsigned int>(std::min(size, kLargestTransfer)); }

}  // namespace

std::size_t regularFileSize(int descriptor) {
  struct _stat64 status {};
  if (::_fstat64(descriptor, &status) != 0 || (status.st_mode & _S_IFREG) == 0 || status.st_size < 0) return 0;
  return static_cast<std::size_t>(status.st_size);
}

long writeOnce(int descriptor, const char* bytes, std::size_t size) {
  return ::_write(descriptor, bytes, transfer(size));
}

long readOnce(int descriptor, char* bytes, std::size_t size) { return ::_read(descriptor, bytes, transfer(size)); }

}  // namespace trot
