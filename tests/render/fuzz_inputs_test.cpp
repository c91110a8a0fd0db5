// Replays the seeds of the bubble text fuzz target and every input that ever
// made it fail.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/render/bubble_text_checks.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

TEST(FuzzInputs, TextsDrawnInABubbleKeepTheFrameAndTheTerminalSafe) {
  std::size_t replayed = 0;
  for (const char* kind : {"corpus", "regressions"}) {
    const std::filesystem::path folder = std::filesystem::path(TROT_FUZZ_DIR) / kind / "bubble_text";
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      EXPECT_EQ(fuzz::checkBubbleText(test::readFile(entry.path())), "") << entry.path();
      ++replayed;
    }
  }
  EXPECT_GE(replayed, 10u);  // the seeds at least
}

}  // namespace
}  // namespace trot
