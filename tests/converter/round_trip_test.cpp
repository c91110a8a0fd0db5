// A database written out as source with serializeponies and converted back
// with convertponies shows the same pictures and keeps its quotes.
#include <gtest/gtest.h>

#include <map>

#include "render/art_renderer.hpp"
#include "tests/converter/converter_test_support.hpp"
#include "tests/support/golden.hpp"

namespace trot {
namespace {

using test::TempDir;
using test::trotconv;

struct ArtView {
  std::string rendered;
  bool bubbleAbove;
  std::uint8_t bubbleSize;
};

// Every art of a database by character and art name, drawn for the terminal.
std::map<std::string, ArtView> drawAll(const std::filesystem::path& file) {
  CharacterGroup group;
  loadFromFile(group, file);
  Bubble bubble;
  bubble.linkSlash = '/';
  bubble.linkBackslash = '\\';
  std::map<std::string, ArtView> arts;
  for (std::size_t i = 0; i < group.characterCount(); ++i) {
    Character& character = group.getCharacter(i, nullptr);
    for (std::uint16_t a = 0; a < character.artCount(); ++a) {
      const AsciiArtMeta& meta = character.getArt(a, nullptr);
      const AsciiArt& art = meta.art.get();
      std::ostringstream out;
      ColorFormatANSI format;
      renderArt(art, out, format, bubble, true);
      arts[character.name + "/" + meta.name] = {out.str(), art.bubbleAbove, art.bubbleSize};
    }
  }
  return arts;
}

TEST(RoundTrip, SerializedPoniesConvertBackToTheSamePictures) {
  TempDir dir;
  test::copyFixtures("art", dir / "art");
  dir.write("quotes/1", "thistle+marigold.\nTwo ponies say this.\n");
  dir.write("quotes/2", "marigold_wink.\nA wink.");
  dir.write("quotes/3", "pebble.\n");

  ASSERT_EQ(trotconv(dir, {"convertponies", "art", "quotes", "first.bin"}).status, 0);
  ASSERT_EQ(trotconv(dir, {"serializeponies", "first.bin", "art2", "quotes2"}).status, 0);
  const auto again = trotconv(dir, {"convertponies", "art2", "quotes2", "second.bin"});
  ASSERT_EQ(again.status, 0);
  EXPECT_EQ(again.out.find("Failed"), std::string::npos) << again.out;
  EXPECT_EQ(again.out.find("Unknown"), std::string::npos) << again.out;

  const auto first = drawAll(dir / "first.bin");
  const auto second = drawAll(dir / "second.bin");
  ASSERT_EQ(first.size(), 4u);
  std::size_t above = 0;
  for (const auto& [name, view] : first) {
    const auto found = second.find(name);
    ASSERT_NE(found, second.end()) << name;
    EXPECT_BYTES(view.rendered, found->second.rendered);
    EXPECT_EQ(view.bubbleAbove, found->second.bubbleAbove) << name;
    EXPECT_EQ(view.bubbleSize, found->second.bubbleSize) << name;
    above += view.bubbleAbove ? 1 : 0;
  }
  // Both placements are covered, so neither can be lost unnoticed.
  EXPECT_GT(above, 0u);
  EXPECT_LT(above, first.size());

  auto ponies = test::describeDatabase(dir / "first.bin");
  auto ponies2 = test::describeDatabase(dir / "second.bin");
  std::sort(ponies.begin(), ponies.end());
  std::sort(ponies2.begin(), ponies2.end());
  EXPECT_EQ(ponies, ponies2);
  EXPECT_EQ(ponies, (std::vector<std::string>{"Marigold: marigold marigold_wink | A wink. | Two ponies say this.\n",
                                              "Pebble: pebble | ", "Thistle: thistle | Two ponies say this.\n"}));
}

}  // namespace
}  // namespace trot
