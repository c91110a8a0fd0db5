#include "model/character_group.hpp"

#include <gtest/gtest.h>

#include "tests/model/codec_support.hpp"

namespace trot {
namespace {

using namespace test;

const std::string kTag = "characterGroup1";
const std::string kPrematureEnd = "Null: Failed to parse input file, invalid format? at #";

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

// A file read back holds equal copies of what was shared, so writing it
// again writes each copy (trotconv's session shows that for merge).
TEST(CharacterGroup, EmptyAndSharedRecordLayouts) {
  CharacterGroup empty;
  EXPECT_BYTES(kTag + u16(0), encodeBytes(empty));
  checkSeed("ponydb", "empty.bin", empty);

  SharedQuoteGroup shared;
  EXPECT_BYTES(kSharedFile, encodeBytes(shared.group));
  checkSeed("ponydb", "shared.bin", shared.group);

  auto in = streamOf(kSharedFile);
  CharacterGroup group;
  group.load(in);
  // An art is read from right after its name.
  EXPECT_EQ(group.getCharacter(0).getArt(0, nullptr).art.decodeOffset, 50u);
  EXPECT_EQ(group.getCharacter(1).getQuote(0, nullptr).text, "hi");
}

// Merging keeps records shared in memory, with new ids and owners (the
// layout shows which records are shared and who owns them).
TEST(CharacterGroup, MergeKeepsSharingInMemoryWithNewIdsAndOwners) {
  SharedQuoteGroup source;
  CharacterGroup merged;
  merged.merge(source.group);
  Character& a = merged.getCharacter(0);
  EXPECT_NE(a.id, source.group.getCharacter(0).id);
  EXPECT_NE(a.quotes[0], source.quote);
  EXPECT_BYTES(kSharedFile, encodeBytes(merged));

  // Merging into itself reads the very list it appends to.
  merged.merge(merged);
  ASSERT_EQ(merged.characterCount(), 4u);
  EXPECT_EQ(merged.getCharacter(2).quotes[0], merged.getCharacter(3).quotes[0]);
  EXPECT_NE(merged.getCharacter(2).quotes[0], a.quotes[0]);

  auto in = streamOf(kSharedFile);
  CharacterGroup lazy;
  lazy.decode(in);
  EXPECT_EQ(failureOf([&] { merged.merge(lazy); }), "Null: Tried to fetch unloaded transcoder value");
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
      {oneCharacter({}, {40}, "qtx"), "Null: Failed to decode quote, invalid input format"},
      // 18 kB of tables pointing at one record that would expand to billions
      // of cells; fuzz/corpus/ponydb/herd.bin shows honest sharing is read.
      {readFile(std::filesystem::path(TROT_FUZZ_DIR) / "regressions/ponydb/records_referred_too_often.bin"),
       "File: Failed to parse input file, its records are referred to too often"}};
  for (const auto& [input, failure] : cases) {
    auto in = streamOf(input);
    CharacterGroup group;
    EXPECT_EQ(failureOf([&] { group.load(in); }), failure) << input.size();
  }
}

}  // namespace
}  // namespace trot
