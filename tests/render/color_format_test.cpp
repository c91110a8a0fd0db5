#include "render/color_format.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

const Color kDefault = Color::defaultColor();

TEST(Color, DefaultColoursAreEqualWhateverTheirComponents) {
  Color a;
  Color b;
  b.r = 9;
  EXPECT_EQ(a, b);
  EXPECT_NE(Color(0, 0, 0), kDefault);
  EXPECT_EQ(Color(1, 2, 3), Color(1, 2, 3));
  EXPECT_NE(Color(1, 2, 3), Color(1, 2, 4));
}

TEST(ColorFormatANSI, WritesEscapesOnlyForChanges) {
  ColorFormatANSI format;
  std::ostringstream out;
  format.setForeground(out, kDefault);  // already default
  EXPECT_EQ(out.str(), "");
  format.setForeground(out, Color(255, 128, 0));
  format.setForeground(out, Color(255, 128, 0));
  EXPECT_BYTES("\x1b[38;2;255;128;0m", out.str());

  format.reset(out);
  format.setForeground(out, Color(255, 128, 0));
  EXPECT_BYTES("\x1b[38;2;255;128;0m\x1b[49m\x1b[39m\x1b[0m\x1b[38;2;255;128;0m", out.str());
}

TEST(ColorFormatANSI, FormatsEverySelection) {
  ColorFormatANSI format;
  std::ostringstream out;
  format.setForeground(out, Color(0, 7, 255));
  format.setBackground(out, Color(10, 0, 100));
  format.setBackground(out, Color(10, 0, 100));
  format.setForeground(out, kDefault);
  format.setBackground(out, kDefault);
  format.bold(out);
  EXPECT_BYTES("\x1b[38;2;0;7;255m\x1b[48;2;10;0;100m\x1b[39m\x1b[49m\x1b[1m", out.str());
  EXPECT_EQ(format.foreground(), kDefault);
  EXPECT_EQ(format.background(), kDefault);
}

TEST(ColorFormatANSI, ResetAlwaysWritesAndClearsState) {
  ColorFormatANSI format;
  std::ostringstream out;
  format.reset(out);
  EXPECT_BYTES("\x1b[49m\x1b[39m\x1b[0m", out.str());

  format.setBackground(out, Color(1, 1, 1));
  format.reset(out);
  EXPECT_EQ(format.background(), kDefault);
}

TEST(ColorFormat, MatchPair) {
  ColorFormatANSI format;
  std::ostringstream out;
  const Color red(255, 0, 0);
  const Color blue(0, 0, 255);
  // Both default: the pair (default, default) matches; swapped never gives -1.
  EXPECT_EQ(format.matchPair(kDefault, kDefault), 1);
  EXPECT_EQ(format.matchPair(red, kDefault), 0);

  format.setForeground(out, red);
  format.setBackground(out, blue);
  EXPECT_EQ(format.matchPair(red, blue), 1);
  EXPECT_EQ(format.matchPair(blue, red), -1);
  EXPECT_EQ(format.matchPair(red, red), 0);

  // A default foreground never yields -1 even when the pair is swapped.
  format.setForeground(out, kDefault);
  EXPECT_EQ(format.matchPair(blue, kDefault), 0);
}

TEST(ColorFormat, MatchOne) {
  ColorFormatANSI format;
  std::ostringstream out;
  EXPECT_EQ(format.matchOne(kDefault), -1);  // never 1 for a default colour
  const Color green(0, 200, 0);
  format.setForeground(out, green);
  EXPECT_EQ(format.matchOne(green), 1);
  EXPECT_EQ(format.matchOne(kDefault), -1);
  format.setBackground(out, green);
  EXPECT_EQ(format.matchOne(green), 1);  // the foreground is tested first
  EXPECT_EQ(format.matchOne(Color(1, 2, 3)), 0);
}

}  // namespace
}  // namespace trot
