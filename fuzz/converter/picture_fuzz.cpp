// Any bytes given to the picture import: decoded, cropped, scaled and
// written as an art file.
#include <cstddef>
#include <cstdint>

#include "fuzz/converter/converter_fuzz_checks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!trot::fuzz::checkPicture({reinterpret_cast<const char*>(data), size}).empty()) __builtin_trap();
  return 0;
}
