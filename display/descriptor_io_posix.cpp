#include <unistd.h>

#include "display/descriptor_io.hpp"

namespace trot {

long writeOnce(int descriptor, const char* bytes, std::size_t size) {
  return static_cast<long>(::write(descriptor, bytes, size));
}

long readOnce(int descriptor, char* bytes, std::size_t size) {
  return static_cast<long>(::read(descriptor, bytes, size));
}

}  // namespace trot
