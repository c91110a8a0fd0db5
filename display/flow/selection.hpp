// How trotspeak chooses a pony and one of its arts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "display/flow/arguments.hpp"
#include "display/flow/random_draws.hpp"
#include "display/ponies/pony_collection.hpp"

namespace trot {

// True when `query` is a non-empty prefix of `name` or of the plain form
// that listings show it in (see plainText), ASCII letters compared without
// regard to case.
bool prefixMatch(std::string_view name, std::string_view query);

// A pony drawn at random in proportion to its art count; a pony without arts
// is never drawn. Only ponies with quotes take part when `needQuotes`.
std::optional<std::size_t> pickWeightedPony(PonyCollection& ponies, RandomDraws& random, bool needQuotes);

struct Selection {
  std::optional<std::size_t> pony;
  std::optional<std::uint16_t> art;
  std::optional<std::size_t> artDraw;  // the draw that chose the art, when none was named
};

// The pony whose name is `query` in any case, else the first whose name
// `query` begins, as -p finds it.
std::optional<std::size_t> findPonyByName(PonyCollection& ponies, std::string_view query);

// The pony and the art variant the arguments ask for, drawing from `random`
// where they leave the choice open.
Selection selectPonyAndArt(PonyCollection& ponies, RandomDraws& random, const Arguments& args);

// What a terminal shows at once.
struct Screen {
  std::size_t columns;
  std::size_t rows;
};

// The output rows of an art, its bubble included; counting may stop past `most`.
using RowCount = std::function<std::size_t(const AsciiArt& art, std::size_t most)>;

// The art that `draw` chooses among the pony's arts whose output fits the
// screen: no wider than its columns, and no taller than its rows less one,
// for the prompt that follows. When none fits, the art of the fewest rows.
std::uint16_t fittingArt(PonyCollection& ponies, Character& pony, std::size_t draw, const Screen& screen,
                         const RowCount& rowsOf);

}  // namespace trot
