#include "model/character.hpp"

#include <ios>
#include <utility>

#include "model/exception.hpp"

namespace trot {

namespace {

constexpr std::string_view kCharacterTag = "char2";
constexpr std::size_t kEntrySize = 4;

template <class Hook>
std::uint16_t countOwnedBy(const std::vector<std::shared_ptr<Hook>>& hooks, CharacterId id) {
  std::uint16_t owned = 0;
  for (const auto& hook : hooks) {
    if (hook->get().owner == id) ++owned;
  }
  return owned;
}

// Writes each slot's record (unless an earlier holder wrote it in this pass)
// and its position into the table entry at `table`.
template <class Hook>
void encodeWithTable(std::ostream& stream, const std::vector<std::shared_ptr<Hook>>& hooks, std::uint16_t count,
                     std::uint64_t table) {
  for (std::size_t i = 0; i < count; ++i) {
    Hook& hook = *hooks[i];
    hook.encode(stream);
    const auto end = stream.tellp();
    stream.seekp(static_cast<std::streamoff>(table + kEntrySize * i));
    Transcoder::writeRaw(stream, hook.encodeOffset);
    stream.seekp(end);
  }
}

template <class Hook>
void decodeTable(std::istream& stream, std::vector<std::shared_ptr<Hook>>& hooks) {
  for (auto& hook : hooks) {
    streamPosition position = 0;
    Transcoder::readRaw(stream, position);
    if (!hook) hook = std::make_shared<Hook>();
    hook->decodeOffset = position;
  }
}

std::uint64_t tableSize(const CharacterSummary& counts) {
  return kEntrySize * (std::uint64_t{counts.artCount} + counts.quoteCount);
}

// Finds or makes the copy of `original` for this merge. `copyValue` fills a
// new copy's value from the original's.
template <class Hook, class Copies, class CopyValue>
std::shared_ptr<Hook> copyOf(const std::shared_ptr<Hook>& original, Copies& copies, CopyValue copyValue) {
  if (const auto found = copies.find(original.get()); found != copies.end()) return found->second;
  auto copy = std::make_shared<Hook>();
  copyValue(*copy, original->get());
  copies.emplace(original.get(), copy);
  return copy;
}

}  // namespace

Character::Character() : id(nextCharacterId()) {}

void Character::addArt(std::shared_ptr<ArtHook> art) {
  if (!art) throw NullException("Tried to add a missing art");
  AsciiArtMeta& meta = art->get();
  if (meta.owner == kNoOwner) {
    meta.owner = id;
    ++ownedArtCount;
  }
  arts.push_back(std::move(art));
}

void Character::addQuote(std::shared_ptr<QuoteHook> quote) {
  if (!quote) throw NullException("Tried to add a missing quote");
  Quote& value = quote->get();
  if (value.owner == kNoOwner) {
    value.owner = id;
    ++ownedQuoteCount;
  }
  quotes.push_back(std::move(quote));
}

AsciiArtMeta& Character::getArt(std::uint16_t index, std::istream* stream) {
  requireIndex(index, arts.size(), "PonyMeta");
  return loadOnDemand(*arts[index], stream, "PonyMeta at index is not loaded, and stream isnt provided to load it JIT");
}

Quote& Character::getQuote(std::uint16_t index, std::istream* stream) {
  requireIndex(index, quotes.size(), "Quote");
  return loadOnDemand(*quotes[index], stream, "Quote at index is not loaded, and stream isnt provided to load it JIT");
}

void Character::copyFrom(const Character& original, ArtCopies& artCopies, QuoteCopies& quoteCopies) {
  name = original.name;
  for (const auto& art : original.arts) {
    auto copy = copyOf(art, artCopies, [](ArtHook& target, const AsciiArtMeta& meta) {
      target.set(std::make_unique<AsciiArtMeta>());
      target.get() = meta;
    });
    if (art->get().owner == original.id) copy->get().owner = id;
    arts.push_back(std::move(copy));
  }
  for (const auto& quote : original.quotes) {
    auto copy = copyOf(quote, quoteCopies,
                       [](QuoteHook& target, const Quote& value) { target.set(std::make_unique<Quote>(value)); });
    if (quote->get().owner == original.id) copy->get().owner = id;
    quotes.push_back(std::move(copy));
  }
}

void checkEntryCount(std::size_t count, const std::string& owner, const char* entries) {
  if (count <= kMostEntries) return;
  throw FileException(FileException::kNoOffset, "Failed to encode " + owner + ": " + std::to_string(count) + " " +
                                                    entries + ", a file holds at most " + std::to_string(kMostEntries));
}

void Character::encodeInit() {
  checkEntryCount(arts.size(), "character '" + name + "'", "arts");
  checkEntryCount(quotes.size(), "character '" + name + "'", "quotes");
  ownedArtCount = countOwnedBy(arts, id);
  ownedQuoteCount = countOwnedBy(quotes, id);
  for (const auto& art : arts) art->encodeInit();
  for (const auto& quote : quotes) quote->encodeInit();
}

void Character::encode(std::ostream& stream) {
  // Counts are 16 bits wide in the file; only as many entries as they say
  // are written.
  const auto artCount = static_cast<std::uint16_t>(arts.size());
  const auto quoteCount = static_cast<std::uint16_t>(quotes.size());
  writeTag(stream, kCharacterTag);
  writeRaw(stream, artCount);
  writeRaw(stream, quoteCount);
  writeRaw(stream, ownedArtCount);
  writeRaw(stream, ownedQuoteCount);

  const std::uint64_t artTable = putPosition(stream);
  const std::uint64_t quoteTable = artTable + kEntrySize * artCount;
  reserveTable(stream, kEntrySize * (artCount + quoteCount));
  writeString(stream, name);
  encodeWithTable(stream, arts, artCount, artTable);
  encodeWithTable(stream, quotes, quoteCount, quoteTable);
}

void Character::decode(std::istream& stream) {
  if (!expectTag(stream, kCharacterTag)) throw NullException("Failed to decode character, invalid input format");
  std::uint16_t artCount = 0;
  std::uint16_t quoteCount = 0;
  readRaw(stream, artCount);
  readRaw(stream, quoteCount);
  readRaw(stream, ownedArtCount);
  readRaw(stream, ownedQuoteCount);

  const std::uint64_t tableSize = kEntrySize * (std::uint64_t{artCount} + quoteCount);
  const std::uint64_t nameStart = getPosition(stream) + tableSize;
  requireBytes(stream, tableSize);
  arts.resize(artCount);
  quotes.resize(quoteCount);
  decodeTable(stream, arts);
  decodeTable(stream, quotes);
  stream.seekg(static_cast<std::streamoff>(nameStart));
  readString(stream, name);
}

CharacterSummary Character::peekCounts(std::istream& stream) {
  if (!expectTag(stream, kCharacterTag)) throw NullException("Failed to decode character, invalid input format");
  CharacterSummary summary;
  {
    // One reader for the four counts: the weighted choice reads them for
    // every pony of the database.
    ValueReader reader(stream);
    std::uint16_t owned = 0;
    reader.raw(summary.artCount);
    reader.raw(summary.quoteCount);
    reader.raw(owned);
    reader.raw(owned);
  }
  // The tables are checked as decode() checks them; the name that follows
  // cannot fail to read.
  requireBytes(stream, tableSize(summary));
  return summary;
}

CharacterSummary Character::peek(std::istream& stream) {
  CharacterSummary summary = peekCounts(stream);
  stream.seekg(static_cast<std::streamoff>(getPosition(stream) + tableSize(summary)));
  readString(stream, summary.name);
  return summary;
}

void Character::load(std::istream& stream) {
  decode(stream);
  for (const auto& art : arts) art->load(stream);
  for (const auto& quote : quotes) quote->load(stream);
}

}  // namespace trot
