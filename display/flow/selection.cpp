#include "display/flow/selection.hpp"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <vector>

#include "render/terminal_safe_text.hpp"

namespace trot {

namespace {

int lower(char c) { return std::tolower(static_cast<unsigned char>(c)); }

std::optional<std::uint16_t> findArtByName(PonyCollection& ponies, Character& pony, std::string_view query) {
  const auto count = static_cast<std::uint16_t>(pony.artCount());
  for (std::uint16_t j = 0; j < count; ++j)
    if (prefixMatch(ponies.artName(pony, j), query)) return j;
  return std::nullopt;
}

bool sameName(std::string_view name, std::string_view query) {
  return name.size() == query.size() && prefixMatch(name, query);
}

}  // namespace

std::optional<std::size_t> findPonyByName(PonyCollection& ponies, std::string_view query) {
  // "plum" means Plum even when Plume comes first.
  for (std::size_t i = 0; i < ponies.size(); ++i)
    if (sameName(ponies.summary(i).name, query)) return i;
  for (std::size_t i = 0; i < ponies.size(); ++i)
    if (prefixMatch(ponies.summary(i).name, query)) return i;
  return std::nullopt;
}

bool prefixMatch(std::string_view name, std::string_view query) {
  const auto startsWith = [&](std::string_view shown) {
    if (query.empty() || query.size() > shown.size()) return false;
    for (std::size_t i = 0; i < query.size(); ++i)
      if (lower(shown[i]) != lower(query[i])) return false;
    return true;
  };
  const bool printableAscii = std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
  return startsWith(name) || (!printableAscii && startsWith(plainText(name)));
}

std::optional<std::size_t> pickWeightedPony(PonyCollection& ponies, RandomDraws& random, bool needQuotes) {
  // Each pony's weight: its art count, or 0 when it lacks the quotes asked for.
  std::vector<std::uint16_t> weights(ponies.size());
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < ponies.size(); ++i) {
    const CharacterSummary pony = ponies.counts(i);
    if (needQuotes && pony.quoteCount == 0) continue;
    weights[i] = static_cast<std::uint16_t>(pony.artCount);
    total += weights[i];
  }
  if (total == 0) return std::nullopt;

  const std::uint64_t target = static_cast<std::uint64_t>(random.next()) % total;
  std::uint64_t running = 0;
  for (std::size_t i = 0; i < weights.size(); ++i) {
    running += weights[i];
    if (running > target) return i;
  }
  return std::nullopt;
}

Selection selectPonyAndArt(PonyCollection& ponies, RandomDraws& random, const Arguments& args) {
  Selection chosen;
  if (args.pony) {
    chosen.pony = findPonyByName(ponies, args.ponyName);
  } else if (args.quote) {
    chosen.pony = pickWeightedPony(ponies, random, true);
  } else if (!args.art) {
    chosen.pony = pickWeightedPony(ponies, random, false);
  }

  if (!args.art) {
    if (!chosen.pony) return chosen;
    Character& pony = ponies.character(*chosen.pony);
    const std::size_t artCount = pony.artCount();
    if (artCount == 0) return chosen;
    chosen.artDraw = static_cast<std::size_t>(random.next());
    chosen.art = static_cast<std::uint16_t>(*chosen.artDraw % artCount);
    return chosen;
  }

  if (chosen.pony) {
    chosen.art = findArtByName(ponies, ponies.character(*chosen.pony), args.artName);
    return chosen;
  }
  for (std::size_t i = 0; i < ponies.size(); ++i) {
    if (auto art = findArtByName(ponies, ponies.character(i), args.artName)) {
      chosen.pony = i;
      chosen.art = art;
      return chosen;
    }
    ponies.release(i);
  }
  return chosen;
}

std::uint16_t fittingArt(PonyCollection& ponies, Character& pony, std::size_t draw, const Screen& screen,
                         const RowCount& rowsOf) {
  const auto count = static_cast<std::uint16_t>(pony.artCount());
  const std::size_t mostRows = screen.rows > 1 ? screen.rows - 1 : 1;
  std::vector<std::uint16_t> fitting;
  std::uint16_t shortest = 0;
  std::size_t fewest = SIZE_MAX;
  for (std::uint16_t j = 0; j < count; ++j) {
    const AsciiArt& art = ponies.art(pony, j);
    // Exact up to the most that decides anything: the first art is counted
    // in full, later ones only as far as the fewest rows seen.
    const std::size_t rows = rowsOf(art, fewest == SIZE_MAX ? SIZE_MAX - 1 : std::max(fewest, mostRows));
    if (art.width <= screen.columns && rows <= mostRows) fitting.push_back(j);
    if (rows < fewest) {
      fewest = rows;
      shortest = j;
    }
  }
  return fitting.empty() ? shortest : fitting[draw % fitting.size()];
}

}  // namespace trot
