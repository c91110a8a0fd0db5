#include "model/column_width.hpp"

#include <gtest/gtest.h>

namespace trot {
namespace {

TEST(ColumnWidth, ClassifiesCharacters) {
  struct Case {
    std::uint32_t codePoint;
    unsigned width;
  };
  const Case cases[] = {
      {'a', 1},      {0x09, 1},      {0xE9, 1},      {0x416, 1},      // Latin, tab, accented, Cyrillic
      {0x2500, 1},   {0xFF61, 1},    {0x00AD, 1},    {0x0600, 1},     // box drawing, halfwidth, soft hyphen, mark
      {0x1100, 2},   {0x3042, 2},    {0x4E00, 2},    {0xFF21, 2},     // jamo, kana, ideograph, fullwidth
      {0x1F600, 2},  {0x20000, 2},   {0x4DBF, 2},    {0x3FFFD, 2},    // emoji, planes 2 and 3 incl. unassigned
      {0x115F, 2},   {0x3164, 2},    {0x4DC0, 2},                     // Hangul fillers, hexagram
      {0x0301, 0},   {0x20DD, 0},    {0x200D, 0},    {0xFE0F, 0},     // Mn, Me, joiner, variation selector
      {0xE0100, 0},  {0x3099, 0},    {0x200B, 0},    {0x2060, 0},     // supplementary selector, wide mark, Cf
      {0xFEFF, 0},   {0x1160, 0},    {0x11FF, 0},    {0xD7B0, 0},     // byte order mark, Hangul medial and final
      {0x3FFFE, 1},  {0x10FFFF, 1},  {0x1FFFFF, 1},                   // beyond the wide planes and Unicode
  };
  for (const Case& c : cases) {
    EXPECT_EQ(columnWidth(c.codePoint), c.width) << std::hex << "U+" << c.codePoint;
  }
}

TEST(ColumnWidth, DisplayColumnsStopsLikeTheCodePointCount) {
  EXPECT_EQ(displayColumns("a\xe6\xbc\xa2" "e\xcc\x81"), 4u);  // a, wide ideograph, e + combining acute
  EXPECT_EQ(displayColumns(std::string_view("ab\0cd", 5)), 2u);
  EXPECT_EQ(displayColumns("ab\x80" "cd"), 2u);
}

}  // namespace
}  // namespace trot
