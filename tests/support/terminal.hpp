// Runs a built program with a pseudo-terminal as its standard output, as it
// runs in a terminal window: the program sees a terminal of the given width
// and only the environment given.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/process.hpp"

namespace trot::test {

// `environment` holds "NAME=value" entries and is all the program gets.
// What reaches the terminal comes back byte for byte in `out` (the terminal
// adds no carriage returns); standard error is kept apart in `err`.
ProcessResult runInTerminal(const std::filesystem::path& program, const std::vector<std::string>& args,
                            const std::filesystem::path& workingDir, const std::vector<std::string>& environment,
                            unsigned short columns = 80);

}  // namespace trot::test
