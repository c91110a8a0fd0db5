// The body of trotspeak: one run from the command line to the exit status,
// in a world the caller gives (main gives the process's own).
#pragma once

#include "display/platform/outside_world.hpp"

namespace trot {

int runTrotspeak(int argc, const char* const* argv, const OutsideWorld& world);

}  // namespace trot
