#include "model/utf8.hpp"

#include <gtest/gtest.h>

#include <string>

namespace trot {
namespace {

struct DecodeCase {
  std::string bytes;
  std::uint32_t codePoint;
  std::size_t consumed;
};

class DecodeNextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeNextTest, GivesCodePointAndConsumes) {
  const auto& c = GetParam();
  std::string_view view = c.bytes;
  EXPECT_EQ(decodeNext(view), c.codePoint);
  EXPECT_EQ(c.bytes.size() - view.size(), c.consumed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeNextTest,
    ::testing::Values(DecodeCase{"", 0, 0}, DecodeCase{std::string("\0x", 2), 0, 1}, DecodeCase{"A", 'A', 1},
                      DecodeCase{"\xC3\xA9", 0xE9, 2}, DecodeCase{"\xE2\x96\x80x", 0x2580, 3},
                      DecodeCase{"\xF0\x9F\x90\xB4", 0x1F434, 4},
                      // Continuation bytes are not checked: their low six bits are used as they are.
                      DecodeCase{"\xC3\x29", 0xE9, 2},
                      // A stray continuation byte or an impossible lead swallows the next byte.
                      DecodeCase{"\x80" "ab", 0, 2}, DecodeCase{"\xF8" "ab", 0, 2}, DecodeCase{"\x80", 0, 1},
                      // A sequence cut short by the end of the view.
                      DecodeCase{"\xE2\x96", 0, 2}, DecodeCase{"\xF0\x9F\x90", 0, 2}, DecodeCase{"\xC3", 0, 1}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(CountCodePoints, StopsAtNulOrInvalidByte) {
  EXPECT_EQ(countCodePoints(""), 0u);
  EXPECT_EQ(countCodePoints("h\xC3\xA9llo"), 5u);
  EXPECT_EQ(countCodePoints(std::string("ab\0cd", 5)), 2u);
  EXPECT_EQ(countCodePoints("ab\x80" "cd"), 2u);
}

TEST(EncodeUtf8, UsesShortestFormAndRejectsOutOfRange) {
  EXPECT_EQ(encodeUtf8(0x41), "A");
  EXPECT_EQ(encodeUtf8(0x7F), "\x7F");
  EXPECT_EQ(encodeUtf8(0x80), "\xC2\x80");
  EXPECT_EQ(encodeUtf8(0x7FF), "\xDF\xBF");
  EXPECT_EQ(encodeUtf8(0x800), "\xE0\xA0\x80");
  EXPECT_EQ(encodeUtf8(0x2572), "\xE2\x95\xB2");
  EXPECT_EQ(encodeUtf8(0x10000), "\xF0\x90\x80\x80");
  EXPECT_EQ(encodeUtf8(0x10FFFF), "\xF4\x8F\xBF\xBF");
  EXPECT_EQ(encodeUtf8(0x110000), "");
  EXPECT_EQ(encodeUtf8(0), std::string(1, '\0'));
}

TEST(EncodeUtf8, RoundTripsThroughDecodeNext) {
  for (std::uint32_t cp : {0x24u, 0xE9u, 0x2588u, 0xFFFFu, 0x1F984u}) {
    const std::string bytes = encodeUtf8(cp);
    std::string_view view = bytes;
    EXPECT_EQ(decodeNext(view), cp);
    EXPECT_TRUE(view.empty());
  }
}

}  // namespace
}  // namespace trot
