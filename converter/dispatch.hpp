// trotconv's entry: the start-up escape, the choice of command by argument
// count and command word, the usage screen and the exit status.
#pragma once

#include <iostream>

namespace trot {

// Runs one command line and gives the exit status: 0 for every normal end,
// the usage screen included; 1 when an input was refused or skipped (each
// is reported); -1 when a failure reached the top or the messages could not
// be written.
int runTrotconv(int argc, const char* const* argv);

void printUsage(const char* program, std::ostream& out = std::cout);

}  // namespace trot
