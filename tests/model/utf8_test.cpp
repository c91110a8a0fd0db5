#include "model/utf8.hpp"

#include <gtest/gtest.h>

#include <string>

namespace trot {
namespace {

TEST(DecodeNext, GivesCodePointAndConsumes) {
  struct Case {
    std::string bytes;
    std::uint32_t codePoint;
    std::size_t consumed;
  };
  const Case cases[] = {
      {"", 0, 0}, {std::string("\0x", 2), 0, 1}, {"A", 'A', 1}, {"\xC3\xA9", 0xE9, 2}, {"\xE2\x96\x80x", 0x2580, 3},
      {"\xF0\x9F\x90\xB4", 0x1F434, 4},
      // Continuation bytes are not checked: their low six bits are used as they are.
      {"\xC3\x29", 0xE9, 2},
      // A stray continuation byte or an impossible lead swallows the next byte.
      {"\x80" "ab", 0, 2}, {"\xF8" "ab", 0, 2}, {"\x80", 0, 1},
      // A sequence cut short by the end of the view.
      {"\xE2\x96", 0, 2}, {"\xF0\x9F\x90", 0, 2}, {"\xC3", 0, 1}};
  for (const Case& c : cases) {
    std::string_view view = c.bytes;
    EXPECT_EQ(decodeNext(view), c.codePoint) << testing::PrintToString(c.bytes);
    EXPECT_EQ(c.bytes.size() - view.size(), c.consumed) << testing::PrintToString(c.bytes);
  }
}

TEST(CountCodePoints, StopsAtNulOrInvalidByte) {
  EXPECT_EQ(countCodePoints(""), 0u);
  EXPECT_EQ(countCodePoints("h\xC3\xA9llo"), 5u);
  EXPECT_EQ(countCodePoints(std::string("ab\0cd", 5)), 2u);
  EXPECT_EQ(countCodePoints("ab\x80" "cd"), 2u);
}

TEST(EncodeUtf8, UsesShortestFormAndRejectsOutOfRange) {
  const std::pair<std::uint32_t, std::string> cases[] = {
      {0x41, "A"},           {0x7F, "\x7F"}, {0x80, "\xC2\x80"}, {0x7FF, "\xDF\xBF"}, {0x800, "\xE0\xA0\x80"},
      {0x10000, "\xF0\x90\x80\x80"}, {0x10FFFF, "\xF4\x8F\xBF\xBF"}, {0x110000, ""}, {0, std::string(1, '\0')}};
  for (const auto& [codePoint, bytes] : cases) EXPECT_EQ(encodeUtf8(codePoint), bytes) << codePoint;
}

}  // namespace
}  // namespace trot
