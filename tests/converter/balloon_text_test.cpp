// The balloon text reader and writer on every sample under
// tests/converter/balloon_text: its golden file shows the bubble read, as the
// writer writes it after the sizes it gives, or why the sample was refused.
// That written text parses back into the same bubble is checked on every
// input of the balloon fuzz target.
#include "converter/balloon_text.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/support/golden.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

std::string written(const Bubble& bubble) {
  std::ostringstream text;
  writeBalloon(bubble, text);
  return text.str();
}

std::string describe(std::string_view text) {
  Bubble bubble;
  bubble.ww = "kept";
  try {
    parseBalloon(bubble, text);
  } catch (const Bubble::ParseException& error) {
    // A refused text leaves the bubble it was read into as it was.
    return "refused: " + error.message() + (bubble.ww == "kept" ? "\n" : "\nand the bubble was changed\n");
  }
  std::ostringstream out;
  out << "top " << int{bubble.topHeight} << ", bottom " << int{bubble.bottomHeight} << ", left "
      << int{bubble.leftWidth} << ", right " << int{bubble.rightWidth} << "\n";
  return out.str() + written(bubble);
}

TEST(BalloonText, EverySampleReadsAsItsGoldenFileShows) {
  std::size_t samples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TROT_BALLOON_SAMPLES)) {
    const std::string name = entry.path().stem().string();
    EXPECT_GOLDEN("converter/balloons/" + name + ".txt", describe(test::readFile(entry.path()))) << name;
    ++samples;
  }
  EXPECT_GE(samples, 15u);
}

}  // namespace
}  // namespace trot
