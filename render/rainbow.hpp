// Random rainbow colouring of a message, one colour per character.
#pragma once

#include <string>
#include <string_view>

#include "render/color_format.hpp"

namespace trot {

// Each character (as decodeNext delimits it, so its bytes stay together)
// gets a colour from two rand() draws: hue, then saturation. Ends with a
// reset, which leaves `format` with both colours default.
std::string rainbowText(std::string_view text, ColorFormat& format);

}  // namespace trot
