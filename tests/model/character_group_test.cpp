#include "model/character_group.hpp"

#include <gtest/gtest.h>

#include "tests/model/codec_support.hpp"

namespace trot {
namespace {

using namespace test;

const std::string kTag = "characterGroup1";
const std::string kPrematureEnd = "Null: Failed to parse input file, invalid format? at #";

TEST(CharacterGroup, EmptyAndSingleCharacterLayouts) {
  CharacterGroup group;
  EXPECT_BYTES(kTag + u16(0), encodeBytes(group));
  checkSeed("ponydb", "empty.bin", group);
  group.addCharacter().name = "a";
  const std::string expected = kTag + u16(1) + u32(21) + "char2" + std::string(8, '\0') + text("a");
  ASSERT_EQ(expected.size(), 36u);
  EXPECT_BYTES(expected, encodeBytes(group));
}

// Characters a and b share art x and quote hi.
struct SharedQuoteGroup {
  CharacterGroup group;
  std::shared_ptr<QuoteHook> quote = makeQuote("hi");
  SharedQuoteGroup() {
    Character& a = group.addCharacter();
    a.name = "a";
    a.addArt(makeArt("x", {ArtCell{}, colorCell(1, 2)}));
    a.addQuote(quote);
    Character& b = group.addCharacter();
    b.name = "b";
    b.addArt(a.arts[0]);
    b.addQuote(quote);
  }
};

const std::string kSharedFile = kTag + u16(2) + u32(25) + u32(80) +                                            // 0..25
                                "char2" + u16(1) + u16(1) + u16(1) + u16(1) + u32(48) + u32(74) + text("a") +  // 25..48
                                text("x") + "pony14" + bytes({0, 0, 1, 0}) + u32(66) + bytes({0, 2}) +         // 48..66
                                bytes({0x06, 0x00, 1, 1, 1, 2, 2, 2}) +                                        // 66..74
                                "qte" + text("hi") +                                                           // 74..80
                                "char2" + u16(1) + u16(1) + u16(0) + u16(0) + u32(48) + u32(74) + text("b");  // 80..103

TEST(CharacterGroup, SharedRecordsAreWrittenOnceAndReadBackAsEqualCopies) {
  SharedQuoteGroup shared;
  EXPECT_EQ(shared.group.getCharacter(1, nullptr).ownedArtCount, 0);
  EXPECT_BYTES(kSharedFile, encodeBytes(shared.group));
  checkSeed("ponydb", "shared.bin", shared.group);

  auto in = streamOf(kSharedFile);
  CharacterGroup group;
  group.load(in);
  Character& a = group.getCharacter(0, nullptr);
  Character& b = group.getCharacter(1, nullptr);
  EXPECT_EQ(b.name, "b");
  EXPECT_EQ(a.getArt(0, nullptr).art.decodeOffset, 50u);
  EXPECT_EQ(b.getQuote(0, nullptr).text, "hi");
  EXPECT_NE(a.quotes[0], b.quotes[0]);
  EXPECT_NE(a.arts[0], b.arts[0]);
}

// Merging keeps records shared in memory, with new ids and owners; a
// database read from a file holds equal copies, each of which is written.
TEST(CharacterGroup, MergeKeepsSharingInMemoryWithNewIdsAndOwners) {
  SharedQuoteGroup source;
  CharacterGroup merged;
  merged.merge(source.group);
  Character& a = merged.getCharacter(0, nullptr);
  EXPECT_NE(a.id, source.group.getCharacter(0, nullptr).id);
  EXPECT_EQ(a.quotes[0], merged.getCharacter(1, nullptr).quotes[0]);
  EXPECT_NE(a.quotes[0], source.quote);
  EXPECT_EQ(a.quotes[0]->get().owner, a.id);
  EXPECT_BYTES(kSharedFile, encodeBytes(merged));

  // Merging into itself reads the very list it appends to.
  merged.merge(merged);
  ASSERT_EQ(merged.characterCount(), 4u);
  EXPECT_EQ(merged.getCharacter(2, nullptr).quotes[0], merged.getCharacter(3, nullptr).quotes[0]);
  EXPECT_NE(merged.getCharacter(2, nullptr).quotes[0], a.quotes[0]);

  auto in = streamOf(kSharedFile);
  CharacterGroup loaded;
  loaded.load(in);
  CharacterGroup copies;
  copies.merge(loaded);
  const std::string written = encodeBytes(copies);
  EXPECT_NE(written.find("qtehi"), written.rfind("qtehi"));
  EXPECT_NE(written.find(text("x") + "pony14"), written.rfind(text("x") + "pony14"));

  CharacterGroup lazy;
  in.seekg(0);
  lazy.decode(in);
  EXPECT_EQ(failureOf([&] { copies.merge(lazy); }), "Null: Tried to fetch unloaded transcoder value");
  EXPECT_EQ(failureOf([&] { encodeBytes(lazy); }), "Null: Tried to encode init unloaded transcoder value");
}

// A group of one character at 21 with the given art and quote positions; its
// name ends at 40 (with one entry), where `rest` follows.
std::string oneCharacter(std::vector<std::uint32_t> arts, std::vector<std::uint32_t> quotes, std::string rest) {
  std::string file = kTag + u16(1) + u32(21) + "char2" + u16(static_cast<std::uint32_t>(arts.size())) +
                     u16(static_cast<std::uint32_t>(quotes.size())) + u16(0) + u16(0);
  for (const auto p : arts) file += u32(p);
  for (const auto p : quotes) file += u32(p);
  return file + text("c") + rest;
}

TEST(CharacterGroup, DamagedDatabasesAreReported) {
  const std::pair<std::string, std::string> cases[] = {
      {"characterGroup2", "Null: Failed to decode character group, invalid input format"},
      {kTag + bytes({1}), kPrematureEnd},
      {kTag + u16(1) + u32(500), "Null: Failed to decode character, invalid input format"},
      {kTag + u16(1) + u32(21) + "char2" + u16(3) + u16(0) + u16(0) + u16(0) + u32(0), kPrematureEnd},
      {oneCharacter({900}, {}, ""), "File: Failed to decode pony, invalid input format"},
      {oneCharacter({40}, {}, text("x") + "pony15"), "File: Failed to decode pony, invalid input format at offset #48"},
      {oneCharacter({40}, {}, text("x") + "pony14" + bytes({0, 0, 1, 0}) + u32(58) + bytes({0, 1, 0x00, 1})),
       kPrematureEnd},
      {oneCharacter({}, {40}, "qtx"), "Null: Failed to decode quote, invalid input format"}};
  for (const auto& [input, failure] : cases) {
    auto in = streamOf(input);
    CharacterGroup group;
    EXPECT_EQ(failureOf([&] { group.load(in); }), failure) << input.size();
  }
}

TEST(CharacterGroup, RecordsReadBackTooOftenAreRefused) {
  // 2000 characters at one record of 2000 arts at one art whose 255 rows all
  // use one row of 255 cells: 18 kB that would expand to billions of cells.
  constexpr std::uint32_t kCount = 2000;
  const std::uint32_t character = 17 + 4 * kCount;
  const std::uint32_t art = character + 13 + 4 * kCount + 2;
  const std::uint32_t cells = art + 2 + 10 + 6 * 255;
  std::string file = kTag + u16(kCount);
  for (std::uint32_t i = 0; i < kCount; ++i) file += u32(character);
  file += "char2" + u16(kCount) + u16(0) + u16(0) + u16(0);
  for (std::uint32_t i = 0; i < kCount; ++i) file += u32(art);
  file += text("c") + text("x") + "pony14" + bytes({0, 255, 255, 0});
  for (int row = 0; row < 255; ++row) file += u32(cells) + bytes({0, 255});
  ASSERT_EQ(file.size(), cells);
  file += std::string(255, '\x06');

  auto in = streamOf(file);
  CharacterGroup group;
  EXPECT_EQ(failureOf([&] { group.load(in); }),
            "File: Failed to parse input file, its records are referred to too often");

  // Honest sharing between many holders stays well within the limit.
  CharacterGroup herd;
  auto shared = makeArt("everyone", std::vector<ArtCell>(200, colorCell(1, 2)));
  for (int i = 0; i < 300; ++i) herd.addCharacter().addArt(shared);
  auto herdIn = streamOf(encodeBytes(herd));
  CharacterGroup back;
  back.load(herdIn);
  EXPECT_EQ(back.getCharacter(299, nullptr).getArt(0, nullptr).art.get().rows[0].cells.size(), 200u);
}

}  // namespace
}  // namespace trot
