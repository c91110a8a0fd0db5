#include "model/bubble.hpp"

#include <gtest/gtest.h>

#include "tests/model/codec_support.hpp"

namespace trot {
namespace {

using namespace test;

// A one-line frame of "+", "-" and "|", with the given connector code point.
Bubble frame(std::uint32_t slash) {
  Bubble b;
  b.linkSlash = slash;
  b.linkBackslash = '\\';
  b.linkX = 'X';
  b.topHeight = b.bottomHeight = b.leftWidth = b.rightWidth = 1;
  b.nw = b.ne = b.sw = b.se = {"+"};
  b.nnw = b.n = b.nne = b.ssw = b.s = b.sse = {"-"};
  b.nww = b.w = b.sww = b.ww = b.nee = b.e = b.see = b.ee = std::string(1, '|');
  return b;
}

std::string frameRecord(std::uint32_t slash) {
  std::string lines;
  for (int i = 0; i < 2; ++i) lines += text("+") + text("-") + text("-") + text("-") + text("+");
  for (int i = 0; i < 8; ++i) lines += text("|");
  return "bubble0" + u32(slash) + u32('\\') + u32('X') + bytes({1, 1, 1, 1}) + lines;
}

TEST(BubbleTypes, WritesFlagsThenThePresentVariantsSayFirst) {
  BubbleTypes sayOnly;
  sayOnly.setSay(frame('/'));
  EXPECT_BYTES("bubbleTypes5" + bytes({0x01}) + frameRecord('/'), encodeBytes(sayOnly));
  checkSeed("bubbles", "say.bin", sayOnly);

  // Both variants, the think one with taller borders and an overlong side.
  Bubble tall = frame(0x2571);
  tall.topHeight = 2;
  tall.bottomHeight = 3;
  tall.nw = tall.nnw = tall.n = tall.nne = tall.ne = {"a", "b"};
  tall.sw = tall.ssw = tall.sse = tall.se = {"e", "f", "g"};
  tall.s = {"\xE2\x94\x80", "", "h"};
  tall.w = std::string(40, 'w');
  BubbleTypes both;
  both.setThink(tall);
  both.setSay(frame('/'));
  const std::string written = encodeBytes(both);
  const std::string start = "bubbleTypes5" + bytes({0x03}) + frameRecord('/') + "bubble0" + u32(0x2571);
  EXPECT_BYTES(start, written.substr(0, start.size()));
  checkSeed("bubbles", "both.bin", both);

  // Only the low two flag bits count.
  auto none = streamOf("bubbleTypes5" + bytes({0xFC}));
  BubbleTypes neither;
  neither.load(none);
  EXPECT_FALSE(neither.hasSay() || neither.hasThink());
}

TEST(Bubble, DamagedStylesAreReportedButMissingTextsReadAsEmpty) {
  auto cut = streamOf(frameRecord('/').substr(0, 27));
  Bubble b;
  b.ee = "old";
  b.load(cut);
  EXPECT_EQ(b.nnw, std::vector<std::string>{"-"});
  EXPECT_EQ(b.n, std::vector<std::string>{""});
  EXPECT_EQ(b.ee, "");

  const std::string badTag = "Null: Failed to decode bubble, invalid input format";
  const std::string premature = "Null: Failed to parse input file, invalid format? at #";
  const std::string say = "bubbleTypes5" + bytes({1});
  // Pieces whose drawing would grow with the square of the file: a corner
  // wider than any bubble, a middle piece of one column and many accents.
  // Up to the limits they load; colours take no columns, other escapes a
  // column a byte.
  const auto withPieces = [&](const std::string& corner, const std::string& middle) {
    Bubble b = frame('/');
    b.nw = {corner}, b.s = {middle};
    return say + encodeBytes(b);
  };
  std::string accents;
  for (int i = 0; i < 511; ++i) accents += "\xCC\x81";
  const std::pair<std::string, std::string> cases[] = {
      {"bubbleTypes4" + bytes({1}), badTag},
      {"bubbleTypes5", premature},
      {say + "bubble1", badTag},
      {say + frameRecord('/').substr(0, 21), premature},
      {"bubbleTypes5" + bytes({3}) + frameRecord('/'), badTag},
      {withPieces("\x1b[1;31m" + std::string(255, '+') + "\x1b[0m", "-" + accents + "\xCC"), "no failure"},
      {withPieces("\x1b[2J" + std::string(127, '\xFF') + std::string(125, '+'), "-"),
       "Bubble Parse: Line 1 of nw holds 256 columns, more than 255"},
      {withPieces("+", "-" + accents + "\xCC\x81"), "Bubble Parse: Line 1 of s holds 1025 bytes, more than 1024"}};
  for (const auto& [input, failure] : cases) {
    auto in = streamOf(input);
    BubbleTypes style;
    EXPECT_EQ(failureOf([&] { style.load(in); }), failure) << input.size();
  }
}

}  // namespace
}  // namespace trot
