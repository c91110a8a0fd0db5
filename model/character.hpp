// One pony: its name, the art variants that show it and the quotes it says.
// Arts and quotes sit in shared slots, so several ponies may hold the same
// one; it is owned by the first pony it was added to and stored once.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/ascii_art.hpp"
#include "model/character_id.hpp"
#include "model/codec/transcoder.hpp"
#include "model/codec/transcoder_hook.hpp"
#include "model/quote.hpp"

namespace trot {

using ArtHook = TranscoderHook<AsciiArtMeta>;
using QuoteHook = TranscoderHook<Quote>;

// Counts of ponies, and of a pony's arts and quotes, are 16 bits wide in
// the file: encodeInit refuses anything larger rather than lose the rest.
constexpr std::size_t kMostEntries = 0xFFFF;

// Throws FileException naming the limit when `count` passes it.
void checkEntryCount(std::size_t count, const std::string& owner, const char* entries);

// Original slot (by identity) to its copy, for the duration of one merge, so
// that what was shared among the originals stays shared among the copies.
using ArtCopies = std::unordered_map<const ArtHook*, std::shared_ptr<ArtHook>>;
using QuoteCopies = std::unordered_map<const QuoteHook*, std::shared_ptr<QuoteHook>>;

// What a pony's record says of it without its position tables: enough to
// choose among many ponies without building each one.
struct CharacterSummary {
  std::string name;
  std::uint16_t artCount = 0;
  std::uint16_t quoteCount = 0;
};

class Character final : public Transcoder {
 public:
  std::vector<std::shared_ptr<ArtHook>> arts;
  std::vector<std::shared_ptr<QuoteHook>> quotes;
  std::uint16_t ownedArtCount = 0;  // recomputed by encodeInit
  std::uint16_t ownedQuoteCount = 0;
  std::string name;
  CharacterId id;

  Character();
  Character(const Character&) = delete;
  Character& operator=(const Character&) = delete;
  ~Character() = default;

  // Appends the slot (whose meta must be loaded) and takes ownership of the
  // art if nobody owns it yet.
  void addArt(std::shared_ptr<ArtHook> art);
  void addQuote(std::shared_ptr<QuoteHook> quote);

  std::size_t artCount() const { return arts.size(); }
  std::size_t quoteCount() const { return quotes.size(); }

  // The value at `index`, loaded (deep) from `stream` if it is not loaded
  // yet. Throws NullException when it is not loaded and `stream` is null, or
  // when `index` is not below the count.
  AsciiArtMeta& getArt(std::uint16_t index, std::istream* stream);
  Quote& getQuote(std::uint16_t index, std::istream* stream);

  // Becomes a copy of `original` (name, arts and quotes), reusing the copies
  // already made in this merge; this character takes over the ownership of
  // what `original` owned.
  void copyFrom(const Character& original, ArtCopies& artCopies, QuoteCopies& quoteCopies);

  // Throws FileException for more than kMostEntries arts or quotes.
  void encodeInit() override;
  void encode(std::ostream& stream) override;
  void load(std::istream& stream) override;
  void decode(std::istream& stream) override;

  // Reads the record at the get position as decode() does, keeping only its
  // name and counts; fails as decode() does.
  static CharacterSummary peek(std::istream& stream);
  // The same without the name, which stays empty: a random choice needs only
  // the counts.
  static CharacterSummary peekCounts(std::istream& stream);
};

}  // namespace trot
