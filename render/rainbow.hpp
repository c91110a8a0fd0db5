// Random rainbow colouring of a message, one colour per character.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "render/color_format.hpp"

namespace trot {

// Each character (as decodeNext delimits it, so its bytes stay together)
// gets a colour from two draws, rand() unless `draw` is given: hue, then
// saturation. Escape sequences in the text are dropped first. Ends with a
// reset, which leaves `format` with both colours default.
std::string rainbowText(std::string_view text, ColorFormat& format,
                        const std::function<std::uint32_t()>& draw = nullptr);

}  // namespace trot
