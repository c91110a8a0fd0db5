#include "render/color_format.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "render/palette.hpp"
#include "tests/support/golden.hpp"

namespace trot {
namespace {

const Color kDefault = Color::defaultColor();
const Color kRed(255, 0, 0);
const std::string kReset = "\x1b[49m\x1b[39m\x1b[0m";

// Lab distance, not RGB distance: the last case of each palette has a
// different nearest entry in RGB (98, 6 and 0).
TEST(Palette, NearestEntriesAsTheEyeSeesThem) {
  struct Case {
    Color color;
    std::uint8_t index256;
    std::uint8_t index16;
  };
  const Case cases[] = {
      {Color(0, 0, 0), 16, 0},         {Color(255, 255, 255), 231, 15}, {Color(8, 8, 8), 232, 0},
      {Color(128, 128, 128), 244, 8},  {Color(229, 229, 229), 254, 7},  {Color(200, 0, 0), 160, 1},
      {Color(255, 0, 0), 196, 9},      {Color(120, 60, 200), 91, 12},   {Color(0, 128, 255), 33, 12},
      {Color(30, 90, 30), 22, 8},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(nearestIndex256(c.color), c.index256) << int{c.color.r} << "," << int{c.color.g} << "," << int{c.color.b};
    EXPECT_EQ(nearestIndex16(c.color), c.index16) << int{c.color.r} << "," << int{c.color.g} << "," << int{c.color.b};
  }
}

// The same calls at each depth. A colour already in force, or one that
// shares its palette entry, costs nothing; a reset is always written and
// forgets what was written; a default colour has its own escape.
TEST(ColorFormatANSI, EachDepthWritesOnlyTheChangesInItsOwnEscapes) {
  const std::string grey = "\x1b[48;2;128;128;128m";
  const std::pair<ColorDepth, std::string> cases[] = {
      {ColorDepth::TrueColor, "\x1b[38;2;255;0;0m\x1b[38;2;250;0;0m" + grey + "\x1b[1m" + kReset + kReset +
                                  "\x1b[38;2;255;0;0m" + grey + "\x1b[39m\x1b[49m"},
      {ColorDepth::Palette256,
       "\x1b[38;5;196m\x1b[48;5;244m\x1b[1m" + kReset + kReset + "\x1b[38;5;196m\x1b[48;5;244m\x1b[39m\x1b[49m"},
      {ColorDepth::Basic16, "\x1b[91m\x1b[100m\x1b[1m" + kReset + kReset + "\x1b[91m\x1b[100m\x1b[39m\x1b[49m"},
      {ColorDepth::None, ""},
  };
  for (const auto& [depth, expected] : cases) {
    ColorFormatANSI format(depth);
    std::ostringstream out;
    format.setForeground(out, kDefault);
    format.setForeground(out, kRed);
    format.setForeground(out, kRed);
    format.setForeground(out, Color(250, 0, 0));
    EXPECT_EQ(format.foreground(), Color(250, 0, 0));  // the state follows the colours asked for at every depth
    format.setBackground(out, Color(128, 128, 128));
    format.bold(out);
    format.reset(out);
    EXPECT_EQ(format.background(), kDefault);
    format.reset(out);
    format.setForeground(out, kRed);
    format.setBackground(out, Color(128, 128, 128));
    format.setForeground(out, kDefault);
    format.setBackground(out, kDefault);
    EXPECT_BYTES(expected, out.str());
  }
}

}  // namespace
}  // namespace trot
