#include "display/ponies/joined_ponies.hpp"

#include <unordered_set>

namespace trot {

JoinedPonies::JoinedPonies(std::vector<std::unique_ptr<PonyCollection>> collections)
    : collections_(std::move(collections)) {
  if (!joined()) return;
  std::unordered_set<std::string> names;
  for (const auto& collection : collections_) {
    for (std::size_t i = 0; i < collection->size(); ++i) {
      CharacterSummary summary = collection->summary(i);
      if (names.insert(summary.name).second) entries_.push_back({collection.get(), i, std::move(summary)});
    }
  }
}

std::size_t JoinedPonies::size() const { return joined() ? entries_.size() : collections_.front()->size(); }

CharacterSummary JoinedPonies::summary(std::size_t index) {
  return joined() ? entries_.at(index).summary : collections_.front()->summary(index);
}

CharacterSummary JoinedPonies::counts(std::size_t index) {
  return joined() ? entries_.at(index).summary : collections_.front()->counts(index);
}

Character& JoinedPonies::character(std::size_t index) {
  if (!joined()) return collections_.front()->character(index);
  const Entry& entry = entries_.at(index);
  Character& pony = entry.collection->character(entry.index);
  owners_[&pony] = entry.collection;
  return pony;
}

void JoinedPonies::release(std::size_t index) {
  if (!joined()) return collections_.front()->release(index);
  const Entry& entry = entries_.at(index);
  entry.collection->release(entry.index);
}

PonyCollection& JoinedPonies::collectionOf(const Character& pony) {
  return joined() ? *owners_.at(&pony) : *collections_.front();
}

const std::string& JoinedPonies::artName(Character& pony, std::uint16_t index) {
  return collectionOf(pony).artName(pony, index);
}

const AsciiArt& JoinedPonies::art(Character& pony, std::uint16_t index) { return collectionOf(pony).art(pony, index); }

const Quote& JoinedPonies::quote(Character& pony, std::uint16_t index) { return collectionOf(pony).quote(pony, index); }

}  // namespace trot
