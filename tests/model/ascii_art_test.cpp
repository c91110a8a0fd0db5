#include "model/ascii_art.hpp"

#include <gtest/gtest.h>

#include "tests/model/codec_support.hpp"

namespace trot {
namespace {

using namespace test;

const std::string kTag = "pony14";

ArtCell connector(bool slash) {
  ArtCell cell;
  cell.connector = true;
  cell.connectorSlash = slash;
  return cell;
}

TEST(AsciiArt, CellsStoreFlagsThenOnlyTheirOpaqueColours) {
  ArtCell upper;
  upper.upperTransparent = false;
  upper.upper = {1, 2, 3};
  const std::pair<ArtCell, std::string> cases[] = {{ArtCell{}, bytes({0x06})},
                                                   {connector(false), bytes({0x07})},
                                                   {connector(true), bytes({0x0F})},
                                                   {upper, bytes({0x04, 1, 2, 3})},
                                                   {colorCell(9, 200), bytes({0x00, 9, 9, 9, 200, 200, 200})}};
  for (const auto& [cell, encoded] : cases) {
    AsciiArt art;
    art.rows.push_back(ArtRow{2, {cell}});
    const std::string expected = kTag + bytes({0, 0, 1, 0}) + u32(16) + bytes({2, 1}) + encoded;
    EXPECT_BYTES(expected, encodeBytes(art));
    auto in = streamOf(expected);
    AsciiArt back;
    back.decode(in);
    EXPECT_EQ(back.rows, art.rows);
  }
  // Reading keeps only the low four flag bits and the low bubble bit.
  auto in = streamOf(kTag + bytes({0xFE, 3, 1, 0}) + u32(16) + bytes({0, 1, 0xF6}));
  AsciiArt art;
  art.decode(in);
  EXPECT_FALSE(art.bubbleAbove);
  EXPECT_EQ(art.rows[0].cells, std::vector<ArtCell>{ArtCell{}});
}

TEST(AsciiArt, HeaderThenRowsPointingAtTheirCellsByAbsolutePosition) {
  AsciiArt art;
  art.width = 40;
  art.bubbleSize = 12;
  art.bubbleAbove = true;
  art.rows.push_back(ArtRow{3, {}});
  art.rows.push_back(ArtRow{0, {ArtCell{}, colorCell(5, 6)}});
  art.rows.push_back(ArtRow{1, {connector(true)}});
  std::stringstream out;
  out << "abc";
  art.encode(out);
  const std::string expected = "abc" + kTag + bytes({1, 40, 3, 12}) +  // the table starts at 13
                               u32(31) + bytes({3, 0}) +             // no cells: the next row's position
                               u32(31) + bytes({0, 2}) + u32(39) + bytes({1, 1}) +
                               bytes({0x06, 0x00, 5, 5, 5, 6, 6, 6, 0x0F});
  EXPECT_BYTES(expected, out.str());

  auto in = streamOf(expected);
  in.seekg(3);
  AsciiArt back;
  back.decode(in);
  EXPECT_EQ(back.rows, art.rows);
  EXPECT_EQ(back.width, 40);
  EXPECT_EQ(back.bubbleSize, 12);
  EXPECT_TRUE(back.bubbleAbove);
}

}  // namespace
}  // namespace trot
