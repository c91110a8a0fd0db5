#include "display/pony_choice.hpp"

#include <unordered_set>

namespace trot {

PonyChoice::PonyChoice(std::vector<std::unique_ptr<PonySource>> sources) : sources_(std::move(sources)) {
  if (!joined()) return;
  std::unordered_set<std::string> names;
  for (const auto& source : sources_) {
    for (std::size_t i = 0; i < source->size(); ++i) {
      CharacterSummary summary = source->summary(i);
      if (names.insert(summary.name).second) entries_.push_back({source.get(), i, std::move(summary)});
    }
  }
}

std::size_t PonyChoice::size() const { return joined() ? entries_.size() : sources_.front()->size(); }

CharacterSummary PonyChoice::summary(std::size_t index) {
  return joined() ? entries_.at(index).summary : sources_.front()->summary(index);
}

CharacterSummary PonyChoice::counts(std::size_t index) {
  return joined() ? entries_.at(index).summary : sources_.front()->counts(index);
}

Character& PonyChoice::character(std::size_t index) {
  if (!joined()) return sources_.front()->character(index);
  const Entry& entry = entries_.at(index);
  Character& pony = entry.source->character(entry.index);
  owners_[&pony] = entry.source;
  return pony;
}

void PonyChoice::release(std::size_t index) {
  if (!joined()) return sources_.front()->release(index);
  const Entry& entry = entries_.at(index);
  entry.source->release(entry.index);
}

PonySource& PonyChoice::sourceOf(const Character& pony) {
  return joined() ? *owners_.at(&pony) : *sources_.front();
}

const std::string& PonyChoice::artName(Character& pony, std::uint16_t index) {
  return sourceOf(pony).artName(pony, index);
}

const AsciiArt& PonyChoice::art(Character& pony, std::uint16_t index) { return sourceOf(pony).art(pony, index); }

const Quote& PonyChoice::quote(Character& pony, std::uint16_t index) { return sourceOf(pony).quote(pony, index); }

}  // namespace trot
