// Replays the seeds of the converter's fuzz targets and every input that
// ever made one of them fail.
#include <gtest/gtest.h>

#include "fuzz/converter/converter_fuzz_checks.hpp"
#include "tests/support/fuzz_replay.hpp"

namespace trot {
namespace {

TEST(FuzzInputs, ArtTextBalloonAndPictureInputsAreHandledSoundly) {
  const std::pair<const char*, std::string (*)(std::string_view)> targets[] = {
      {"art_text", fuzz::checkArtText}, {"balloon", fuzz::checkBalloon}, {"picture", fuzz::checkPicture}};
  for (const auto& [target, check] : targets) {
    const auto seeds = test::replaySavedInputs(
        target,
        [&, check = check](const auto& path, const std::string& bytes, bool) { EXPECT_EQ(check(bytes), "") << path; });
    EXPECT_GT(seeds, 0u) << target;
  }
}

}  // namespace
}  // namespace trot
