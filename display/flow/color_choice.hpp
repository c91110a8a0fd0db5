// Which colours trotspeak writes: what the command line asks for, NO_COLOR,
// and what the terminal on standard output can show, as the outside world
// tells them.
#pragma once

#include <cstdint>
#include <optional>

#include "display/platform/outside_world.hpp"
#include "render/color_format.hpp"

namespace trot {

enum class ColorWhen : std::uint8_t { Auto, Always, Never };

struct ColorChoice {
  ColorDepth picture;  // the art, the bubble and rainbow text
  ColorDepth text;     // the help screen, which is text to read, not art
};

// Decided once per run. Under `Auto` a set, non-empty NO_COLOR means no
// colour at all; otherwise a terminal gets the depth its environment claims
// (or the one `forced`): 24 bits when COLORTERM says so, 256 colours when
// TERM names them, none for a dumb terminal, the platform's own for one TERM
// does not name, and the 16 basic colours for any other. A file or pipe gets
// 24-bit pictures, exactly as a terminal that can show them, but a plain
// help screen.
ColorChoice chooseColors(ColorWhen when, std::optional<ColorDepth> forced, const OutsideWorld& world);

}  // namespace trot
