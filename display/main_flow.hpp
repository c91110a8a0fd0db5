// The body of trotspeak: one run from the command line to the exit status.
#pragma once

namespace trot {

int runTrotspeak(int argc, const char* const* argv);

}  // namespace trot
