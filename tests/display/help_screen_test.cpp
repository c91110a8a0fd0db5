#include "display/help_screen.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

TEST(HelpScreen, MatchesGoldenBytes) {
  ColorFormatANSI format;
  std::ostringstream out;
  printHelp(format, out);
  EXPECT_GOLDEN("display/help.txt", out.str());
}

TEST(HelpScreen, EveryOptionColumnIsTwentyFiveWideButCharacters) {
  ColorFormatANSI format;
  std::ostringstream out;
  printHelp(format, out);
  const std::string text = out.str();
  const std::regex column("\x1b\\[95m([^\x1b]*)\x1b\\[36m");
  int columns = 0;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), column); it != std::sregex_iterator(); ++it) {
    const std::string option = (*it)[1];
    EXPECT_EQ(option.size(), option.find("--characters") != std::string::npos ? 29u : 25u) << option;
    ++columns;
  }
  EXPECT_EQ(columns, 16);
}

TEST(Version, PrintsTheBuildStamp) {
  EXPECT_TRUE(std::regex_match(buildStamp(), std::regex(R"(\d\d/\d\d/\d{4} \d\d:\d\d\.\d\d)"))) << buildStamp();
  std::ostringstream out;
  printVersion(out);
  EXPECT_EQ(out.str(), std::string("Build date: ") + buildStamp() + "\n");
}

}  // namespace
}  // namespace trot
