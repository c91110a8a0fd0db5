#include "build_stamp.hpp"
#include "display/flow/help_screen.hpp"

namespace trot {

const char* buildStamp() { return kBuildStamp; }

std::string versionLine() { return std::string("trotspeak ") + kVersion; }

}  // namespace trot
