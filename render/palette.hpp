// The fixed palettes of terminals without 24-bit colour, and for a 24-bit
// colour the entry that looks nearest to it: the distance is measured in
// CIE L*a*b*, where equal steps look about equally different, rather than
// in RGB, where a step in green looks far larger than the same step in blue.
#pragma once

#include <cstdint>

#include "model/color.hpp"

namespace trot {

// An index of the 256-colour palette from 16 to 255: the 6x6x6 colour cube
// and the 24-step grey ramp. The first 16 entries change with the
// terminal's theme, so they are never chosen.
std::uint8_t nearestIndex256(Color color);

// An index from 0 to 15: the eight standard colours, then their bright
// forms, at the values xterm gives them by default.
std::uint8_t nearestIndex16(Color color);

// CIE L* lightness, 0 (black) to 100 (white).
double lightness(Color color);

}  // namespace trot
