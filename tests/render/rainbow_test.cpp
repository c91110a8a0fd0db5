#include "render/rainbow.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "model/utf8.hpp"
#include "tests/support/golden.hpp"

namespace trot {
namespace {

struct HsvCase {
  std::uint8_t h, s, v;
  Color expected;
};

class FromHsvTest : public ::testing::TestWithParam<HsvCase> {};

TEST_P(FromHsvTest, Converts) {
  const auto& c = GetParam();
  EXPECT_EQ(Color::fromHSV(c.h, c.s, c.v), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FromHsvTest,
                         ::testing::Values(HsvCase{0, 255, 255, Color(255, 0, 0)},
                                           HsvCase{255, 255, 255, Color(255, 0, 0)},  // x = 6.0 wraps to sector 0
                                           HsvCase{77, 0, 40, Color(40, 40, 40)},     // no saturation: grey
                                           HsvCase{200, 0, 255, Color(255, 255, 255)},
                                           HsvCase{85, 255, 255, Color(0, 255, 0)},   // sector 2, f = 0
                                           HsvCase{170, 255, 255, Color(0, 0, 255)},  // sector 4, f = 0
                                           // sector 0, f = 0.5: t = (1 - 0.5) * 255 truncated
                                           HsvCase{21, 255, 255, Color(255, 126, 0)},
                                           // sector 1 with partial saturation: q, v, p
                                           HsvCase{64, 128, 200, Color(149, 200, 99)}),
                         [](const auto& info) {
                           const auto& c = info.param;
                           return "H" + std::to_string(c.h) + "S" + std::to_string(c.s) + "V" + std::to_string(c.v);
                         });

// Replays the generator the same way rainbowText does, for the expected bytes.
std::string expectedRainbow(const std::vector<std::string>& characters, unsigned seed) {
  std::srand(seed);
  ColorFormatANSI format;
  std::ostringstream out;
  for (const auto& character : characters) {
    const auto hue = static_cast<std::uint8_t>(std::rand() & 0xFF);
    const auto saturation = static_cast<std::uint8_t>(std::rand() & 0xFF);
    format.setForeground(out, Color::fromHSV(hue, saturation, 255));
    out << character;
  }
  format.reset(out);
  return out.str();
}

TEST(RainbowText, EmptyTextIsJustTheReset) {
  ColorFormatANSI format;
  EXPECT_BYTES("\x1b[49m\x1b[39m\x1b[0m", rainbowText("", format));
}

TEST(RainbowText, ColoursEveryAsciiByte) {
  ColorFormatANSI format;
  std::srand(7);
  const std::string actual = rainbowText("hey", format);
  EXPECT_BYTES(expectedRainbow({"h", "e", "y"}, 7), actual);
  EXPECT_EQ(format.foreground(), Color::defaultColor());
}

TEST(RainbowText, KeepsMultiByteCharactersWhole) {
  ColorFormatANSI format;
  std::srand(11);
  const std::string text = "a\xC3\xA9\xE2\x96\x88\xF0\x9F\x90\xB4";
  const std::string actual = rainbowText(text, format);
  EXPECT_BYTES(expectedRainbow({"a", "\xC3\xA9", "\xE2\x96\x88", "\xF0\x9F\x90\xB4"}, 11), actual);

  // Every character sits whole between escapes: strip the escapes and the
  // text comes back unchanged.
  std::string stripped;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (actual[i] == '\x1b') {
      i = actual.find('m', i);
      continue;
    }
    stripped += actual[i];
  }
  EXPECT_EQ(stripped, text);
}

TEST(RainbowText, InvalidBytesArePassedThrough) {
  ColorFormatANSI format;
  std::srand(3);
  const std::string text = "\x80" "b\xC3";
  const std::string actual = rainbowText(text, format);
  EXPECT_BYTES(expectedRainbow({"\x80" "b", "\xC3"}, 3), actual);
}

}  // namespace
}  // namespace trot
