// The pony database as trotspeak reads it: opened lazily, and read only as
// far as each decision needs. Choosing a pony needs each pony's name and
// counts, searching arts needs their names; only the art and the quote that
// are finally shown are read whole. A damaged record of a pony that is not
// shown is therefore never touched. This is the one place where ponies are
// loaded on demand: it reads through the model's slots and accessors, given
// its open stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <unordered_map>
#include <vector>

#include "display/platform/file_read_buffer.hpp"
#include "display/ponies/pony_collection.hpp"
#include "model/ascii_art.hpp"
#include "model/character.hpp"
#include "model/character_group.hpp"
#include "model/quote.hpp"

namespace trot {

class PonyDatabase final : public PonyCollection {
 public:
  // Reads the database's position table; the file stays open for the run.
  // Throws FileException when the file cannot be opened.
  explicit PonyDatabase(const std::filesystem::path& path);

  std::size_t size() const override { return positions_.size(); }

  // Reads the pony's own record and keeps nothing of it, so that a walk
  // over a large database stays small.
  CharacterSummary summary(std::size_t index) override;
  // The same without the name: only the head of the record is read.
  CharacterSummary counts(std::size_t index) override;

  // The pony's own record: name, counts and where its arts and quotes lie.
  // It stays loaded until release().
  Character& character(std::size_t index) override;
  void release(std::size_t index) override;

  // An art's name, read without its picture.
  const std::string& artName(Character& pony, std::uint16_t index) override;

  // An art with its picture.
  const AsciiArt& art(Character& pony, std::uint16_t index) override;

  const Quote& quote(Character& pony, std::uint16_t index) override;

 private:
  AsciiArtMeta& artMeta(Character& pony, std::uint16_t index);
  std::istream& recordAt(std::size_t index, std::size_t blockSize);

  FileReadBuffer file_;
  std::istream stream_{&file_};
  // Where each pony's record lies; only the ponies being shown get a slot,
  // so that a database of tens of thousands stays small in memory.
  std::vector<streamPosition> positions_;
  std::unordered_map<std::size_t, TranscoderHook<Character>> loaded_;
  // Set by the first counts(), which starts a walk over every pony.
  bool walking_ = false;
};

}  // namespace trot
