// What trotspeak knows about itself: the name it was started by (as
// trotthink it thinks instead of saying) and the folder it lives in (where
// its resources may be).
#pragma once

#include <filesystem>
#include <string_view>

namespace trot {

// `argv0` is the program's own entry of the argument vector.
bool calledAsThink(std::string_view argv0);

// The folder of the running executable, or empty when it cannot be told.
std::filesystem::path programDirectory(const char* argv0);

}  // namespace trot
