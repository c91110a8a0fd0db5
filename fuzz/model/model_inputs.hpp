// What the model's fuzz targets do with one input, kept apart from the
// libFuzzer entry points so the normal test suite can replay saved inputs.
#pragma once

#include <string>
#include <string_view>

namespace trot::fuzz {

struct Outcome {
  bool accepted = false;  // the input decoded without an error
  std::string problem;    // an invariant that did not hold; empty when all did
};

// Loads `bytes` as a pony database both deeply and lazily through the index
// accessors, checks that both ways agree and that writing what was read is
// stable.
Outcome exercisePonyDatabase(std::string_view bytes);

// Loads `bytes` as a bubble style file and checks that writing what was read
// is stable.
Outcome exerciseBubbleStyle(std::string_view bytes);

}  // namespace trot::fuzz
