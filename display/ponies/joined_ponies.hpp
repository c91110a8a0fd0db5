// Several pony collections joined into the one that a run chooses from. As
// with PATH, the first collection that has a pony of some name shows it: a
// user's own Clover hides the shipped one, and an install found twice does
// not count its ponies twice. One collection passes straight through, read
// only as far as asked.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "display/ponies/pony_collection.hpp"

namespace trot {

class JoinedPonies final : public PonyCollection {
 public:
  // `collections` in order of precedence; at least one.
  explicit JoinedPonies(std::vector<std::unique_ptr<PonyCollection>> collections);

  std::size_t size() const override;
  CharacterSummary summary(std::size_t index) override;
  CharacterSummary counts(std::size_t index) override;
  Character& character(std::size_t index) override;
  void release(std::size_t index) override;
  const std::string& artName(Character& pony, std::uint16_t index) override;
  const AsciiArt& art(Character& pony, std::uint16_t index) override;
  const Quote& quote(Character& pony, std::uint16_t index) override;

 private:
  struct Entry {
    PonyCollection* collection;
    std::size_t index;
    CharacterSummary summary;
  };

  bool joined() const { return collections_.size() > 1; }
  PonyCollection& collectionOf(const Character& pony);

  std::vector<std::unique_ptr<PonyCollection>> collections_;
  std::vector<Entry> entries_;  // the ponies shown, when several collections are joined
  std::unordered_map<const Character*, PonyCollection*> owners_;
};

}  // namespace trot
