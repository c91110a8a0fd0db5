#include "model/character_group.hpp"

#include <ios>
#include <memory>

#include "model/exception.hpp"

namespace trot {

namespace {
constexpr std::string_view kGroupTag = "characterGroup1";
constexpr std::size_t kEntrySize = 4;
}  // namespace

Character& CharacterGroup::addCharacter() {
  characters.emplace_back(std::make_unique<Character>());
  return characters.back().get();
}

Character& CharacterGroup::getCharacter(std::size_t index) {
  requireIndex(index, characters.size(), "Character");
  return loadOnDemand(characters[index], nullptr,
                      "Character at index is not loaded, and stream isnt provided to load it JIT");
}

void CharacterGroup::merge(const CharacterGroup& other) {
  ArtCopies artCopies;
  QuoteCopies quoteCopies;
  // By index and counted first: merging a group into itself appends to the
  // very list being read.
  const std::size_t count = other.characters.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Character& source = other.characters[i].get();
    addCharacter().copyFrom(source, artCopies, quoteCopies);
  }
}

void CharacterGroup::encodeInit() {
  checkEntryCount(characters.size(), "character group", "characters");
  for (auto& character : characters) character.encodeInit();
}

void CharacterGroup::encode(std::ostream& stream) {
  // The count is 16 bits wide in the file; only as many characters as it
  // says are written.
  const auto count = static_cast<std::uint16_t>(characters.size());
  writeTag(stream, kGroupTag);
  writeRaw(stream, count);
  const std::uint64_t table = putPosition(stream);
  reserveTable(stream, kEntrySize * count);
  for (std::size_t i = 0; i < count; ++i) {
    TranscoderHook<Character>& character = characters[i];
    character.encode(stream);
    const auto end = stream.tellp();
    stream.seekp(static_cast<std::streamoff>(table + kEntrySize * i));
    writeRaw(stream, character.encodeOffset);
    stream.seekp(end);
  }
}

std::vector<streamPosition> CharacterGroup::decodePositions(std::istream& stream) {
  if (!expectTag(stream, kGroupTag)) throw NullException("Failed to decode character group, invalid input format");
  std::uint16_t count = 0;
  readRaw(stream, count);
  requireBytes(stream, kEntrySize * std::uint64_t{count});
  std::vector<streamPosition> positions(count, 0);
  for (auto& position : positions) readRaw(stream, position);
  return positions;
}

void CharacterGroup::decode(std::istream& stream) {
  const std::vector<streamPosition> positions = decodePositions(stream);
  characters.resize(positions.size());
  for (std::size_t i = 0; i < positions.size(); ++i) characters[i].decodeOffset = positions[i];
}

void CharacterGroup::load(std::istream& stream) {
  decode(stream);
  for (auto& character : characters) character.load(stream);
}

}  // namespace trot
