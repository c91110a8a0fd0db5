#include "tests/support/fixtures.hpp"

#include <fstream>

#include "model/files/file_io.hpp"

namespace trot::test {

AsciiArt makeArt(int seed, bool bubbleAbove) {
  AsciiArt art;
  const auto shade = static_cast<std::uint8_t>(40 * seed + 20);
  ArtCell body;
  body.upperTransparent = false;
  body.lowerTransparent = false;
  body.upper = {shade, 100, 200};
  body.lower = {200, shade, 100};
  ArtCell connector;
  connector.connector = true;
  ArtRow top;
  top.indent = 2;
  top.cells = {connector};
  ArtRow middle;
  middle.cells = {body, body, body};
  art.rows = {top, middle};
  art.width = 3;
  art.bubbleAbove = bubbleAbove;
  return art;
}

Bubble makeBubble(char mark) {
  Bubble bubble;
  const std::string m(1, mark);
  bubble.linkSlash = '/';
  bubble.linkBackslash = static_cast<std::uint32_t>(mark);
  bubble.topHeight = bubble.bottomHeight = 1;
  bubble.leftWidth = bubble.rightWidth = 1;
  bubble.nw = {"+"}, bubble.nnw = {m}, bubble.n = {"-"}, bubble.nne = {m}, bubble.ne = {"+"};
  bubble.sw = {"+"}, bubble.ssw = {m}, bubble.s = {"-"}, bubble.sse = {m}, bubble.se = {"+"};
  bubble.nww = bubble.w = bubble.sww = bubble.ww = std::string(1, '|');  // not a literal: g++ 12 -O3 false -Wrestrict
  bubble.nee = bubble.e = bubble.see = bubble.ee = std::string(1, '|');
  return bubble;
}

std::unique_ptr<CharacterGroup> makeGroup(const std::vector<PonyFixture>& ponies) {
  auto group = std::make_unique<CharacterGroup>();
  int seed = 0;
  for (const auto& fixture : ponies) {
    Character& pony = group->addCharacter();
    pony.name = fixture.name;
    for (const auto& artName : fixture.arts) {
      auto meta = std::make_unique<AsciiArtMeta>();
      meta->name = artName;
      meta->art.set(std::make_unique<AsciiArt>(makeArt(seed++, true)));
      pony.addArt(std::make_shared<ArtHook>(std::move(meta)));
    }
    for (const auto& text : fixture.quotes) {
      auto quote = std::make_unique<Quote>();
      quote->text = text;
      pony.addQuote(std::make_shared<QuoteHook>(std::move(quote)));
    }
  }
  return group;
}

void writeDatabase(const std::vector<PonyFixture>& ponies, const std::filesystem::path& path) {
  std::filesystem::create_directories(path.parent_path());
  saveToFile(*makeGroup(ponies), path);
}

void writeBubbleStyle(const std::filesystem::path& path, bool withSay, bool withThink) {
  std::filesystem::create_directories(path.parent_path());
  BubbleTypes styles;
  if (withSay) styles.setSay(makeBubble('s'));
  if (withThink) styles.setThink(makeBubble('t'));
  saveToFile(styles, path);
}

}  // namespace trot::test
