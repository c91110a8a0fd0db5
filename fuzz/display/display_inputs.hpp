// What the display program's fuzz target does with one input, kept apart
// from the libFuzzer entry point so the normal test suite can replay saved
// inputs.
#pragma once

#include <string>
#include <string_view>

namespace trot::fuzz {

// Reads `bytes` as a pony database through trotspeak's lean reader, from a
// file, and checks that every name, count, art and quote it gives, and every
// failure, is what the codec reads from the same bytes in memory. Returns
// the first disagreement, or nothing.
std::string problemWithLeanReader(std::string_view bytes);

}  // namespace trot::fuzz
