#include "fuzz/display/display_inputs.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "display/ponies/pony_database.hpp"
#include "model/exception.hpp"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace trot::fuzz {

namespace {

// A hostile input can make every record as costly as its largest picture;
// looking at the first few of each keeps a run short.
constexpr std::size_t kMostCompared = 8;
constexpr std::string_view kBudgetSpent = "its records are referred to too often";

std::filesystem::path scratchFile() {
#ifdef _WIN32
  const auto process = 0;
#else
  const auto process = ::getpid();
#endif
  return std::filesystem::temp_directory_path() / ("trot-lean-reader-" + std::to_string(process) + ".bin");
}

// The report of `read`'s failure, or "" when it succeeds.
std::string failureOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const Exception& failure) {
    std::ostringstream report;
    failure.print(report);
    return report.str();
  }
  return {};
}

// The codec's own reading, from a fresh stream over the bytes for each record.
class Codec {
 public:
  explicit Codec(std::string_view bytes) : bytes_(bytes) {}
  std::istream& at(streamPosition position) {
    stream_ = std::make_unique<std::istringstream>(bytes_, std::ios::in | std::ios::binary);
    stream_->seekg(static_cast<std::streamoff>(position));
    return *stream_;
  }

 private:
  std::string bytes_;
  std::unique_ptr<std::istringstream> stream_;
};

std::string encoded(AsciiArt art) {
  std::ostringstream out(std::ios::out | std::ios::binary);
  art.encode(out);
  return out.str();
}

// Compares one read each way. The reader counts its read budget over the
// whole run and the codec per stream here, so once either has spent it the
// two are not comparable any more: `stop` is set then.
struct Comparison {
  std::string problem;
  bool stop = false;

  // True when both succeeded.
  bool agree(const std::string& what, const std::string& lean, const std::string& codec) {
    if (lean.find(kBudgetSpent) != std::string::npos || codec.find(kBudgetSpent) != std::string::npos) {
      stop = true;
      return false;
    }
    if (lean != codec) {
      problem = what + ": the reader says '" + lean + "', the codec '" + codec + "'";
      stop = true;
      return false;
    }
    return lean.empty();
  }

  void expect(bool same, const std::string& what) {
    if (same || stop) return;
    problem = what + " differs";
    stop = true;
  }
};

void compareArtsAndQuotes(PonyDatabase& database, Character& pony, Character& reference, Codec& codec,
                          Comparison& check) {
  const auto arts = static_cast<std::uint16_t>(std::min<std::size_t>(reference.artCount(), kMostCompared));
  for (std::uint16_t j = 0; j < arts && !check.stop; ++j) {
    const AsciiArt* lean = nullptr;
    std::string leanName;
    AsciiArtMeta meta;
    const auto leanFailure = failureOf([&] {
      leanName = database.artName(pony, j);
      lean = &database.art(pony, j);
    });
    const auto codecFailure = failureOf([&] { meta.load(codec.at(*reference.arts[j]->decodeOffset)); });
    if (!check.agree("art " + std::to_string(j), leanFailure, codecFailure)) continue;
    check.expect(leanName == meta.name, "the name of art " + std::to_string(j));
    check.expect(encoded(*lean) == encoded(meta.art.get()), "art " + std::to_string(j));
  }
  const auto quotes = static_cast<std::uint16_t>(std::min<std::size_t>(reference.quoteCount(), kMostCompared));
  for (std::uint16_t k = 0; k < quotes && !check.stop; ++k) {
    const Quote* lean = nullptr;
    Quote quote;
    const auto leanFailure = failureOf([&] { lean = &database.quote(pony, k); });
    const auto codecFailure = failureOf([&] { quote.load(codec.at(*reference.quotes[k]->decodeOffset)); });
    if (check.agree("quote " + std::to_string(k), leanFailure, codecFailure)) {
      check.expect(lean->text == quote.text, "quote " + std::to_string(k));
    }
  }
}

void comparePony(PonyDatabase& database, std::size_t index, streamPosition position, Codec& codec,
                 Comparison& check) {
  const std::string pony = "pony " + std::to_string(index);
  CharacterSummary leanCounts;
  CharacterSummary summary;
  CharacterSummary peeked;
  const auto countsFailure = failureOf([&] { leanCounts = database.counts(index); });
  const auto summaryFailure = failureOf([&] { summary = database.summary(index); });
  const auto codecFailure = failureOf([&] { peeked = Character::peek(codec.at(position)); });
  if (!check.agree(pony + " counts", countsFailure, codecFailure)) return;
  if (!check.agree(pony + " summary", summaryFailure, codecFailure)) return;
  check.expect(leanCounts.artCount == peeked.artCount && leanCounts.quoteCount == peeked.quoteCount,
               "the counts of " + pony);
  check.expect(summary.name == peeked.name && summary.artCount == peeked.artCount &&
                   summary.quoteCount == peeked.quoteCount,
               "the summary of " + pony);

  Character* lean = nullptr;
  Character reference;
  const auto leanFailure = failureOf([&] { lean = &database.character(index); });
  const auto decodeFailure = failureOf([&] { reference.decode(codec.at(position)); });
  if (!check.agree(pony, leanFailure, decodeFailure)) return;
  check.expect(lean->name == reference.name && lean->artCount() == reference.artCount() &&
                   lean->quoteCount() == reference.quoteCount(),
               "the record of " + pony);
  if (!check.stop) compareArtsAndQuotes(database, *lean, reference, codec, check);
  database.release(index);
}

}  // namespace

std::string problemWithLeanReader(std::string_view bytes) {
  static const std::filesystem::path path = scratchFile();
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  Comparison check;
  std::unique_ptr<PonyDatabase> database;
  CharacterGroup group;
  Codec codec(bytes);
  const auto leanFailure = failureOf([&] { database = std::make_unique<PonyDatabase>(path); });
  const auto codecFailure = failureOf([&] { group.decode(codec.at(0)); });
  if (!check.agree("the position table", leanFailure, codecFailure)) return check.problem;
  check.expect(database->size() == group.characterCount(), "the pony count");
  const std::size_t ponies = std::min(group.characterCount(), kMostCompared);
  for (std::size_t i = 0; i < ponies && !check.stop; ++i) {
    comparePony(*database, i, *group.characters[i].decodeOffset, codec, check);
  }
  return check.problem;
}

}  // namespace trot::fuzz
