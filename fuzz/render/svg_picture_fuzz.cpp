// Any terminal output drawn as an SVG picture; see svg_picture_checks.hpp
// for what must hold.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/render/svg_picture_checks.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (!trot::fuzz::checkSvgPicture(input).empty()) __builtin_trap();
  return 0;
}
