// trotspeak's run called in this process, in a world the test describes: the
// quick way to check which pony, art, text and colours a command line gets.
// What only a process shows (pipes, signals, a real terminal) stays with
// test::runProgram.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/process.hpp"

namespace trot::test {

struct World {
  std::map<std::string, std::string> environment;
  std::string input;
  // A terminal on standard output, of this many columns and rows; no
  // columns for a file.
  std::optional<std::size_t> terminalColumns;
  std::size_t terminalRows = 50;
  std::filesystem::path programFolder;
};

// Runs trotspeak with `args` in `workingDir`; argv[0] is `argv0`. The status
// is the one a shell would see (0..255).
ProcessResult runInProcess(const std::filesystem::path& workingDir, const std::vector<std::string>& args,
                           const World& world = {}, const std::string& argv0 = "trotspeak");

}  // namespace trot::test
