// The help screen and the build-date line of trotspeak.
#pragma once

#include <iostream>

#include "render/color_format.hpp"

namespace trot {

void printHelp(ColorFormat& format, std::ostream& out = std::cout);
void printVersion(std::ostream& out = std::cout);

// When the program was built, as "dd/mm/yyyy hh:mm.ss".
const char* buildStamp();

}  // namespace trot
