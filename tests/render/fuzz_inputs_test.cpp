// Replays the seeds of the render fuzz targets and every input that ever
// made one fail.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/render/bubble_text_checks.hpp"
#include "fuzz/render/svg_picture_checks.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

TEST(FuzzInputs, TextsInABubbleKeepTheFrameAndTheTerminalSafeAndPicturesMakeSoundSvg) {
  const std::pair<const char*, std::string (*)(std::string_view)> targets[] = {
      {"bubble_text", fuzz::checkBubbleText}, {"svg_picture", fuzz::checkSvgPicture}};
  for (const auto& [target, check] : targets) {
    std::size_t replayed = 0;
    for (const char* kind : {"corpus", "regressions"}) {
      const std::filesystem::path folder = std::filesystem::path(TROT_FUZZ_DIR) / kind / target;
      if (!std::filesystem::is_directory(folder)) continue;
      for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_EQ(check(test::readFile(entry.path())), "") << entry.path();
        ++replayed;
      }
    }
    EXPECT_GE(replayed, 10u) << target;  // the seeds at least
  }
}

}  // namespace
}  // namespace trot
