#include "render/rainbow.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "tests/support/golden.hpp"

namespace trot {
namespace {

TEST(Color, FromHsv) {
  struct Case {
    std::uint8_t h, s, v;
    Color expected;
  };
  const Case cases[] = {
      {0, 255, 255, Color(255, 0, 0)},    {255, 255, 255, Color(255, 0, 0)},  // x = 6.0 wraps to sector 0
      {77, 0, 40, Color(40, 40, 40)},                                         // no saturation: grey
      {85, 255, 255, Color(0, 255, 0)},   {170, 255, 255, Color(0, 0, 255)},  // sectors 2 and 4, f = 0
      {21, 255, 255, Color(255, 126, 0)},                                     // f = 0.5: t = 127.5 truncated
      {64, 128, 200, Color(149, 200, 99)},                                    // sector 1, partial saturation
  };
  for (const Case& c : cases) EXPECT_EQ(Color::fromHSV(c.h, c.s, c.v), c.expected) << int{c.h} << " " << int{c.s};
}

// Each character, kept whole, takes the colour of the next two draws of the
// seeded generator; the text ends with a reset.
TEST(RainbowText, ColoursEveryCharacterWhole) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"", {}},
      {"a\xC3\xA9\xE2\x96\x88\xF0\x9F\x90\xB4", {"a", "\xC3\xA9", "\xE2\x96\x88", "\xF0\x9F\x90\xB4"}},
      {"\x80" "b\xC3", {"\x80" "b", "\xC3"}},  // invalid bytes pass through
  };
  for (const auto& [text, characters] : cases) {
    std::srand(7);
    std::ostringstream expected;
    ColorFormatANSI replay;
    for (const auto& character : characters) {
      const auto hue = static_cast<std::uint8_t>(std::rand() & 0xFF);
      const auto saturation = static_cast<std::uint8_t>(std::rand() & 0xFF);
      replay.setForeground(expected, Color::fromHSV(hue, saturation, 255));
      expected << character;
    }
    ColorFormatANSI format;
    std::srand(7);
    EXPECT_BYTES(expected.str() + "\x1b[49m\x1b[39m\x1b[0m", rainbowText(text, format)) << text;
    EXPECT_EQ(format.foreground(), Color::defaultColor());
  }
}

}  // namespace
}  // namespace trot
