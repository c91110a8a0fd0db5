#include "display/flow/random_draws.hpp"

#include <chrono>
#include <cstdlib>

namespace trot {

RandomDraws RandomDraws::fromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::srand(static_cast<unsigned>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
  return RandomDraws();
}

RandomDraws RandomDraws::fromSeed(std::uint64_t seed) {
  RandomDraws draws;
  draws.state_ = seed;
  return draws;
}

// A 64-bit counter stepped by an odd constant and stirred by two
// multiply-xorshift rounds: plain integer arithmetic, so every platform
// gives the same draws for the same seed.
std::uint32_t RandomDraws::next() {
  if (!state_) return static_cast<std::uint32_t>(std::rand());
  std::uint64_t z = (*state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<std::uint32_t>(z >> 32);
}

}  // namespace trot
