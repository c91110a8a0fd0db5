// How trotspeak chooses a pony and one of its arts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "display/arguments.hpp"
#include "display/pony_source.hpp"
#include "display/random_source.hpp"

namespace trot {

// True when `query` is a non-empty prefix of `name` or of the plain form
// that listings show it in (see plainText), ASCII letters compared without
// regard to case.
bool prefixMatch(std::string_view name, std::string_view query);

// A pony drawn at random in proportion to its art count; a pony without arts
// is never drawn. Only ponies with quotes take part when `needQuotes`.
std::optional<std::size_t> pickWeightedPony(PonySource& ponies, RandomSource& random, bool needQuotes);

struct Selection {
  std::optional<std::size_t> pony;
  std::optional<std::uint16_t> art;
};

// The first pony whose name `query` begins, as -p finds it.
std::optional<std::size_t> findPonyByName(PonySource& ponies, std::string_view query);

// The pony and the art variant the arguments ask for, drawing from `random`
// where they leave the choice open. An art drawn at random is one that fits
// in `columns` when the pony has any such art.
Selection selectPonyAndArt(PonySource& ponies, RandomSource& random, const Arguments& args,
                           std::optional<std::size_t> columns = std::nullopt);

}  // namespace trot
