// Replays the seeds of the converter's fuzz targets and every input that
// ever made one of them fail.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/converter/converter_fuzz_checks.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

TEST(FuzzInputs, ArtTextBalloonAndPictureInputsAreHandledSoundly) {
  struct Target {
    const char* name;
    std::string (*check)(std::string_view);
  };
  std::size_t replayed = 0;
  for (const Target& target : {Target{"art_text", &fuzz::checkArtText}, Target{"balloon", &fuzz::checkBalloon},
                               Target{"picture", &fuzz::checkPicture}}) {
    for (const char* kind : {"corpus", "regressions"}) {
      const std::filesystem::path folder = std::filesystem::path(TROT_FUZZ_DIR) / kind / target.name;
      if (!std::filesystem::is_directory(folder)) continue;
      for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_EQ(target.check(test::readFile(entry.path())), "") << entry.path();
        ++replayed;
      }
    }
  }
  EXPECT_GE(replayed, 8u);  // the seeds at least
}

}  // namespace
}  // namespace trot
