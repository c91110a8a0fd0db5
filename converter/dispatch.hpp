// trotconv's entry: the start-up escape, the choice of command and the
// usage screen.
#pragma once

#include <iostream>

namespace trot {

int runTrotconv(int argc, const char* const* argv);

void printUsage(const char* program, std::ostream& out = std::cout);

}  // namespace trot
