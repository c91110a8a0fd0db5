#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/model/model_inputs.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto outcome = trot::fuzz::exerciseBubbleStyle({reinterpret_cast<const char*>(data), size});
  if (!outcome.problem.empty()) {
    std::fprintf(stderr, "bubble style: %s\n", outcome.problem.c_str());
    std::abort();
  }
  return 0;
}
