// Any byte sequence given to the balloon text parser, and the writer's text
// for every bubble that parses.
#include <cstddef>
#include <cstdint>

#include "fuzz/converter/converter_fuzz_checks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!trot::fuzz::checkBalloon({reinterpret_cast<const char*>(data), size}).empty()) __builtin_trap();
  return 0;
}
