// Small pony databases and bubble styles written with the codec, for tests
// that run trotspeak on real files.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/ascii_art.hpp"
#include "model/bubble.hpp"
#include "model/character_group.hpp"

namespace trot::test {

struct PonyFixture {
  std::string name;
  std::vector<std::string> arts;    // art names
  std::vector<std::string> quotes;  // quote texts
};

// A tiny art whose colours derive from `seed`, so arts differ visibly.
AsciiArt makeArt(int seed, bool bubbleAbove);

// A style whose pieces are one column wide; `mark` tells variants apart.
Bubble makeBubble(char mark);

std::unique_ptr<CharacterGroup> makeGroup(const std::vector<PonyFixture>& ponies);

void writeDatabase(const std::vector<PonyFixture>& ponies, const std::filesystem::path& path);
void writeBubbleStyle(const std::filesystem::path& path, bool withSay, bool withThink);

}  // namespace trot::test
