// Any text drawn in a bubble; see bubble_text_checks.hpp for the input's
// layout and what must hold.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/render/bubble_text_checks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (!trot::fuzz::checkBubbleText(input).empty()) __builtin_trap();
  return 0;
}
