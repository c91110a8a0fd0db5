// A database written out as source with serializeponies and converted back
// with convertponies shows the same pictures and keeps its quotes.
#include <gtest/gtest.h>

#include <map>

#include "render/art_renderer.hpp"
#include "tests/converter/converter_test_support.hpp"

namespace trot {
namespace {

using test::TempDir;
using test::trotconv;

// Every art of a database by character and art name: its bubble placement
// and size, then its picture drawn for the terminal.
std::map<std::string, std::string> drawAll(const std::filesystem::path& file) {
  CharacterGroup group;
  loadFromFile(group, file);
  Bubble bubble;
  bubble.linkSlash = '/';
  bubble.linkBackslash = '\\';
  std::map<std::string, std::string> arts;
  for (std::size_t i = 0; i < group.characterCount(); ++i) {
    Character& character = group.getCharacter(i, nullptr);
    for (std::uint16_t a = 0; a < character.artCount(); ++a) {
      const AsciiArtMeta& meta = character.getArt(a, nullptr);
      std::ostringstream out;
      out << (meta.art.get().bubbleAbove ? "above " : "below ") << int{meta.art.get().bubbleSize} << "\n";
      ColorFormatANSI format;
      renderArt(meta.art.get(), out, format, bubble, true);
      arts[character.name + "/" + meta.name] = out.str();
    }
  }
  return arts;
}

std::vector<std::string> sortedPonies(const std::filesystem::path& file) {
  auto ponies = test::describeDatabase(file);
  std::sort(ponies.begin(), ponies.end());
  return ponies;
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
  ASSERT_EQ(first.size(), 4u);
  EXPECT_EQ(first, drawAll(dir / "second.bin"));
  // Both placements are covered, so neither can be lost unnoticed.
  const auto above = std::count_if(first.begin(), first.end(), [](const auto& art) {
    return art.second.starts_with("above");
  });
  EXPECT_GT(above, 0);
  EXPECT_LT(above, 4);

  const std::vector<std::string> ponies = {"Marigold: marigold marigold_wink | A wink. | Two ponies say this.\n",
                                           "Pebble: pebble | ", "Thistle: thistle | Two ponies say this.\n"};
  EXPECT_EQ(sortedPonies(dir / "first.bin"), ponies);
  EXPECT_EQ(sortedPonies(dir / "second.bin"), ponies);
}

}  // namespace
}  // namespace trot
