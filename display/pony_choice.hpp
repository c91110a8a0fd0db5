// Several pony sources joined into one choice. As with PATH, the first
// source that has a pony of some name shows it: a user's own Clover hides
// the shipped one, and an install found twice does not count its ponies
// twice. One source passes straight through, read only as far as asked.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "display/pony_source.hpp"

namespace trot {

class PonyChoice final : public PonySource {
 public:
  // `sources` in order of precedence; at least one.
  explicit PonyChoice(std::vector<std::unique_ptr<PonySource>> sources);

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
    PonySource* source;
    std::size_t index;
    CharacterSummary summary;
  };

  bool joined() const { return sources_.size() > 1; }
  PonySource& sourceOf(const Character& pony);

  std::vector<std::unique_ptr<PonySource>> sources_;
  std::vector<Entry> entries_;  // the ponies shown, when several sources are joined
  std::unordered_map<const Character*, PonySource*> owners_;
};

}  // namespace trot
