#include <sys/stat.h>
#include <unistd.h>

#include "display/platform/descriptor_io.hpp"

namespace trot {

std::size_t regularFileSize(int descriptor) {
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0) return 0;
  return static_cast<std::size_t>(status.st_size);
}

long writeOnce(int descriptor, const char* bytes, std::size_t size) {
  return static_cast<long>(::write(descriptor, bytes, size));
}

long readOnce(int descriptor, char* bytes, std::size_t size) {
  return static_cast<long>(::read(descriptor, bytes, size));
}

}  // namespace trot
