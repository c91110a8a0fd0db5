// What the fuzz targets saved, replayed by each library's tests: the seeds
// in fuzz/corpus/<target> and every input that once made a target fail, in
// fuzz/regressions/<target>.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "tests/support/temp_dir.hpp"

namespace trot::test {

// Calls `replay(path, bytes, isSeed)` for every saved input of `target` and
// returns how many seeds it has.
template <typename Replay>
std::size_t replaySavedInputs(std::string_view target, Replay&& replay) {
  std::size_t seeds = 0;
  for (const bool isSeed : {true, false}) {
    const auto folder = std::filesystem::path(TROT_FUZZ_DIR) / (isSeed ? "corpus" : "regressions") / target;
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      replay(entry.path(), readFile(entry.path()), isSeed);
      seeds += isSeed ? 1 : 0;
    }
  }
  return seeds;
}

}  // namespace trot::test
