#include "fuzz/model/model_inputs.hpp"

#include <sstream>

#include "model/bubble.hpp"
#include "model/character_group.hpp"
#include "model/exception.hpp"

namespace trot::fuzz {

namespace {

std::istringstream inputOf(std::string_view bytes) {
  return std::istringstream(std::string(bytes), std::ios::in | std::ios::binary);
}

std::string encodeBytes(Transcoder& object) {
  std::ostringstream out(std::ios::out | std::ios::binary);
  object.encodeInit();
  object.encode(out);
  return out.str();
}

bool throwsNull(auto&& call) {
  try {
    call();
  } catch (const NullException&) {
    return true;
  }
  return false;
}

// Every character loaded on its own from its position, as the display
// program's database loads the ponies it shows.
std::string problemWithLazyLoad(CharacterGroup& group, std::istringstream& in) {
  const std::size_t count = group.characterCount();
  for (std::size_t i = 0; i < count; ++i) {
    if (!throwsNull([&] { group.getCharacter(i); })) return "an unloaded character was given without a stream";
    // Listings peek at records they never load; a record that loads must
    // peek to the same name and counts.
    std::string peekFailure;
    CharacterSummary summary;
    try {
      in.clear();
      in.seekg(static_cast<std::streamoff>(*group.characters[i].decodeOffset));
      summary = Character::peek(in);
    } catch (const Exception& e) {
      peekFailure = e.message();
    }
    group.characters[i].load(in);
    Character& character = group.getCharacter(i);
    if (!peekFailure.empty()) return "a character that loads could not be peeked at: " + peekFailure;
    if (summary.name != character.name || summary.artCount != character.artCount() ||
        summary.quoteCount != character.quoteCount()) {
      return "peeking gave another name or other counts than loading";
    }
    const auto position = in.tellg();
    if (&group.getCharacter(i) != &character || in.tellg() != position) {
      return "asking for a loaded character again read the stream";
    }
    for (std::size_t j = 0; j < character.artCount(); ++j) {
      character.getArt(static_cast<std::uint16_t>(j), nullptr).art.get();
    }
    for (std::size_t k = 0; k < character.quoteCount(); ++k) character.getQuote(static_cast<std::uint16_t>(k), nullptr);
    if (!throwsNull([&] { character.getArt(static_cast<std::uint16_t>(character.artCount()), &in); })) {
      return "an art index beyond the count was accepted";
    }
  }
  if (!throwsNull([&] { group.getCharacter(count); })) return "a character index beyond the count was accepted";
  return "";
}

}  // namespace

Outcome exercisePonyDatabase(std::string_view bytes) {
  Outcome outcome;

  std::string deep;
  try {
    auto in = inputOf(bytes);
    CharacterGroup group;
    group.load(in);
    deep = encodeBytes(group);
    outcome.accepted = true;
  } catch (const Exception&) {
  }

  bool lazyAccepted = false;
  std::string lazy;
  try {
    auto in = inputOf(bytes);
    CharacterGroup group;
    group.decode(in);
    outcome.problem = problemWithLazyLoad(group, in);
    if (!outcome.problem.empty()) return outcome;
    lazy = encodeBytes(group);
    lazyAccepted = true;
  } catch (const Exception&) {
  }

  if (lazyAccepted != outcome.accepted) {
    outcome.problem = "deep and lazy loading disagree on whether the input is valid";
  } else if (outcome.accepted && lazy != deep) {
    outcome.problem = "deep and lazy loading read different databases";
  } else if (outcome.accepted) {
    try {
      auto in = inputOf(deep);
      CharacterGroup again;
      again.load(in);
      if (encodeBytes(again) != deep) outcome.problem = "a written database does not read back as itself";
    } catch (const Exception& e) {
      outcome.problem = std::string("a written database does not read back: ") + e.message();
    }
  }
  return outcome;
}

Outcome exerciseBubbleStyle(std::string_view bytes) {
  Outcome outcome;
  BubbleTypes style;
  try {
    auto in = inputOf(bytes);
    style.load(in);
    outcome.accepted = true;
  } catch (const Exception&) {
    return outcome;
  }
  if (throwsNull([&] { style.getSay(); }) == style.hasSay() ||
      throwsNull([&] { style.getThink(); }) == style.hasThink()) {
    outcome.problem = "a variant's flag and its getter disagree";
    return outcome;
  }

  // A height of 0 is read as one line per element but written as none, so
  // only styles without one must survive a round trip unchanged.
  const auto heightsKept = [](const Bubble& b) { return b.topHeight > 0 && b.bottomHeight > 0; };
  if ((style.hasSay() && !heightsKept(style.getSay())) || (style.hasThink() && !heightsKept(style.getThink()))) {
    return outcome;
  }
  const std::string written = encodeBytes(style);
  try {
    auto in = inputOf(written);
    BubbleTypes again;
    again.load(in);
    if (encodeBytes(again) != written) outcome.problem = "a written style does not read back as itself";
  } catch (const Exception& e) {
    outcome.problem = std::string("a written style does not read back: ") + e.message();
  }
  return outcome;
}

}  // namespace trot::fuzz
