// Replays the seeds of the render fuzz targets and every input that ever
// made one fail.
#include <gtest/gtest.h>

#include "fuzz/render/bubble_text_checks.hpp"
#include "fuzz/render/svg_picture_checks.hpp"
#include "tests/support/fuzz_replay.hpp"

namespace trot {
namespace {

TEST(FuzzInputs, TextsInABubbleKeepTheFrameAndTheTerminalSafeAndPicturesMakeSoundSvg) {
  const std::pair<const char*, std::string (*)(std::string_view)> targets[] = {{"bubble_text", fuzz::checkBubbleText},
                                                                               {"svg_picture", fuzz::checkSvgPicture}};
  for (const auto& [target, check] : targets) {
    const auto seeds = test::replaySavedInputs(
        target,
        [&, check = check](const auto& path, const std::string& bytes, bool) { EXPECT_EQ(check(bytes), "") << path; });
    EXPECT_GE(seeds, 10u) << target;
  }
}

}  // namespace
}  // namespace trot
