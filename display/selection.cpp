#include "display/selection.hpp"

#include <cctype>
#include <cstdlib>
#include <vector>

namespace trot {

namespace {

int lower(char c) { return std::tolower(static_cast<unsigned char>(c)); }

std::optional<std::size_t> findPonyByName(PonyDatabase& database, std::string_view query) {
  for (std::size_t i = 0; i < database.size(); ++i)
    if (prefixMatch(database.summary(i).name, query)) return i;
  return std::nullopt;
}

std::optional<std::uint16_t> findArtByName(PonyDatabase& database, Character& pony, std::string_view query) {
  const auto count = static_cast<std::uint16_t>(pony.artCount());
  for (std::uint16_t j = 0; j < count; ++j)
    if (prefixMatch(database.artName(pony, j), query)) return j;
  return std::nullopt;
}

// The arts of the pony that are no wider than `columns`, or all of them when
// none is.
std::vector<std::uint16_t> fittingArts(PonyDatabase& database, Character& pony, std::size_t columns) {
  const auto count = static_cast<std::uint16_t>(pony.artCount());
  std::vector<std::uint16_t> fitting;
  for (std::uint16_t j = 0; j < count; ++j)
    if (database.art(pony, j).width <= columns) fitting.push_back(j);
  if (fitting.empty()) {
    for (std::uint16_t j = 0; j < count; ++j) fitting.push_back(j);
  }
  return fitting;
}

}  // namespace

bool prefixMatch(std::string_view name, std::string_view query) {
  if (query.empty() || query.size() > name.size()) return false;
  for (std::size_t i = 0; i < query.size(); ++i)
    if (lower(name[i]) != lower(query[i])) return false;
  return true;
}

std::optional<std::size_t> pickWeightedPony(PonyDatabase& database, bool needQuotes) {
  // Each pony's weight: its art count, or 0 when it lacks the quotes asked for.
  std::vector<std::uint16_t> weights(database.size());
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < database.size(); ++i) {
    const CharacterSummary pony = database.summary(i);
    if (needQuotes && pony.quoteCount == 0) continue;
    weights[i] = static_cast<std::uint16_t>(pony.artCount);
    total += weights[i];
  }
  if (total == 0) return std::nullopt;

  const std::uint64_t target = static_cast<std::uint64_t>(std::rand()) % total;
  std::uint64_t running = 0;
  for (std::size_t i = 0; i < weights.size(); ++i) {
    running += weights[i];
    if (running > target) return i;
  }
  return std::nullopt;
}

Selection selectPonyAndArt(PonyDatabase& database, const Arguments& args, std::optional<std::size_t> columns) {
  Selection chosen;
  if (args.pony) {
    chosen.pony = findPonyByName(database, args.ponyName);
  } else if (args.quote) {
    chosen.pony = pickWeightedPony(database, true);
  } else if (!args.art) {
    chosen.pony = pickWeightedPony(database, false);
  }

  if (!args.art) {
    if (!chosen.pony) return chosen;
    Character& pony = database.character(*chosen.pony);
    const std::size_t artCount = pony.artCount();
    if (artCount == 0) return chosen;
    const auto draw = static_cast<std::size_t>(std::rand());
    if (!columns) {
      chosen.art = static_cast<std::uint16_t>(draw % artCount);
    } else {
      const std::vector<std::uint16_t> fitting = fittingArts(database, pony, *columns);
      chosen.art = fitting[draw % fitting.size()];
    }
    return chosen;
  }

  if (chosen.pony) {
    chosen.art = findArtByName(database, database.character(*chosen.pony), args.artName);
    return chosen;
  }
  for (std::size_t i = 0; i < database.size(); ++i) {
    if (auto art = findArtByName(database, database.character(i), args.artName)) {
      chosen.pony = i;
      chosen.art = art;
      return chosen;
    }
    database.release(i);
  }
  return chosen;
}

}  // namespace trot
