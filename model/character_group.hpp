// The pony database: an ordered list of characters, stored as one file that
// starts with a table of the characters' positions so that a reader can load
// a single pony without decoding the others.
#pragma once

#include <cstddef>
#include <istream>
#include <vector>

#include "model/character.hpp"
#include "model/codec/transcoder.hpp"
#include "model/codec/transcoder_hook.hpp"

namespace trot {

class CharacterGroup final : public Transcoder {
 public:
  std::vector<TranscoderHook<Character>> characters;

  CharacterGroup() = default;
  CharacterGroup(const CharacterGroup&) = delete;
  CharacterGroup& operator=(const CharacterGroup&) = delete;
  CharacterGroup(CharacterGroup&&) = default;
  CharacterGroup& operator=(CharacterGroup&&) = default;
  ~CharacterGroup() = default;

  // Appends a new, empty character for the caller to fill.
  Character& addCharacter();
  std::size_t characterCount() const { return characters.size(); }

  // Character `index` of a loaded group. Throws NullException when it is not
  // loaded or when `index` is not below the count. Ponies are loaded on
  // demand by the display program's database, which keeps no group.
  Character& getCharacter(std::size_t index);

  // Appends copies of all of `other`'s characters (which must be loaded).
  // Arts and quotes shared between them stay shared between the copies.
  void merge(const CharacterGroup& other);

  // Throws FileException for more than kMostEntries characters.
  void encodeInit() override;
  void encode(std::ostream& stream) override;
  void load(std::istream& stream) override;
  // Reads the tag, the count and the position table only.
  void decode(std::istream& stream) override;
  // The same, giving the positions alone: a reader that loads only a few
  // characters needs no slot for each of them.
  static std::vector<streamPosition> decodePositions(std::istream& stream);
};

}  // namespace trot
