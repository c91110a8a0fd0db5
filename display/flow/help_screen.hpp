// The help screen and the version lines of trotspeak. The help screen's
// lines come from the option table, so that it never lists an option the
// parser does not know.
#pragma once

#include <iostream>
#include <string>

#include "render/color_format.hpp"

namespace trot {

void printHelp(ColorFormat& format, std::ostream& out = std::cout);
void printVersion(std::ostream& out = std::cout);

// When the program was built, as "dd/mm/yyyy hh:mm.ss".
const char* buildStamp();

// "trotspeak 1.1.0": the first line of the version output and of what a pony
// says when asked for it.
std::string versionLine();

}  // namespace trot
