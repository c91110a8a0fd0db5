// The random draws of one run. Without a seed they come from the C
// library's rand(), seeded with the clock, as they always have. With a seed
// they come from a generator defined here, so that a seed makes the same
// pick on every platform and with every C library.
#pragma once

#include <cstdint>
#include <optional>

namespace trot {

class RandomDraws {
 public:
  // Seeds rand() with the wall clock in milliseconds.
  static RandomDraws fromClock();
  static RandomDraws fromSeed(std::uint64_t seed);

  // The next draw; only its remainder by a small count is ever used.
  std::uint32_t next();

 private:
  std::optional<std::uint64_t> state_;
};

}  // namespace trot
