#include "render/color_format.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

const Color kDefault = Color::defaultColor();
const Color kRed(255, 0, 0), kBlue(0, 0, 255);
const std::string kReset = "\x1b[49m\x1b[39m\x1b[0m";

TEST(Color, DefaultColoursAreEqualWhateverTheirComponents) {
  Color b;
  b.r = 9;
  EXPECT_EQ(kDefault, b);
  EXPECT_NE(Color(0, 0, 0), kDefault);
  EXPECT_NE(Color(1, 2, 3), Color(1, 2, 4));
}

TEST(ColorFormatANSI, WritesEscapesOnlyForChangesAndResetsAlways) {
  ColorFormatANSI format;
  std::ostringstream out;
  format.setForeground(out, kDefault);  // already default
  format.setForeground(out, Color(0, 7, 255));
  format.setForeground(out, Color(0, 7, 255));
  format.setBackground(out, Color(10, 0, 100));
  format.setBackground(out, Color(10, 0, 100));
  format.bold(out);
  format.reset(out);
  EXPECT_EQ(format.foreground(), kDefault);
  EXPECT_EQ(format.background(), kDefault);
  format.reset(out);
  format.setForeground(out, Color(0, 7, 255));
  format.setBackground(out, Color(10, 0, 100));
  format.setForeground(out, kDefault);
  format.setBackground(out, kDefault);
  EXPECT_BYTES("\x1b[38;2;0;7;255m\x1b[48;2;10;0;100m\x1b[1m" + kReset + kReset +
                   "\x1b[38;2;0;7;255m\x1b[48;2;10;0;100m\x1b[39m\x1b[49m",
               out.str());
}

TEST(ColorFormat, MatchPairAndMatchOne) {
  ColorFormatANSI format;
  std::ostringstream out;
  EXPECT_EQ(format.matchPair(kDefault, kDefault), 1);
  EXPECT_EQ(format.matchPair(kRed, kDefault), 0);
  EXPECT_EQ(format.matchOne(kDefault), -1);  // never 1 for a default colour

  format.setForeground(out, kRed);
  format.setBackground(out, kBlue);
  EXPECT_EQ(format.matchPair(kRed, kBlue), 1);
  EXPECT_EQ(format.matchPair(kBlue, kRed), -1);
  EXPECT_EQ(format.matchPair(kRed, kRed), 0);
  EXPECT_EQ(format.matchOne(kRed), 1);
  EXPECT_EQ(format.matchOne(kBlue), -1);
  EXPECT_EQ(format.matchOne(Color(1, 2, 3)), 0);

  // A default foreground never yields -1, even for the swapped pair.
  format.setForeground(out, kDefault);
  EXPECT_EQ(format.matchPair(kBlue, kDefault), 0);
  // With both alike the foreground is tested first.
  format.setForeground(out, kBlue);
  EXPECT_EQ(format.matchOne(kBlue), 1);
}

}  // namespace
}  // namespace trot
