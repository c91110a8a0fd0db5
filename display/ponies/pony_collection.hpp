// A collection of ponies: a database file, or a folder of source files.
// Choices and listings read every collection through this, so that they
// need not know which it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/ascii_art.hpp"
#include "model/character.hpp"
#include "model/quote.hpp"

namespace trot {

class PonyCollection {
 public:
  virtual ~PonyCollection() = default;

  virtual std::size_t size() const = 0;

  // The pony's name and counts, kept by nobody.
  virtual CharacterSummary summary(std::size_t index) = 0;
  // Only the counts, for a random choice; the name may be left empty by a
  // collection that reads less without it.
  virtual CharacterSummary counts(std::size_t index) { return summary(index); }

  // The pony's own record, which stays available until release().
  virtual Character& character(std::size_t index) = 0;
  virtual void release(std::size_t index) = 0;

  // `pony` must come from character() of the same collection.
  virtual const std::string& artName(Character& pony, std::uint16_t index) = 0;
  virtual const AsciiArt& art(Character& pony, std::uint16_t index) = 0;
  virtual const Quote& quote(Character& pony, std::uint16_t index) = 0;
};

}  // namespace trot
