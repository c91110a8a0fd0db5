// Everything a run of trotspeak learns from outside the program: the
// environment's variables, the terminal on standard output, standard input,
// standard output and error, and the folder the program lives in. The run
// reaches the world through this one record and nothing else, so that a
// test can hand it a world of its own and run it in-process; main builds
// the real one (worldOfThisProcess).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <streambuf>
#include <string>

#include "display/platform/held_output.hpp"
#include "display/platform/standard_input.hpp"
#include "display/platform/terminal.hpp"
#include "model/user_folders.hpp"
#include "render/color_format.hpp"

namespace trot {

struct OutsideWorld {
  EnvironmentLookup environment;

  // Whether standard output is a terminal; if so, the size it reports (see
  // terminalColumns and terminalRows for the environment's word on it), and
  // the colours it shows when TERM names no kind of terminal.
  bool outputIsTerminal = false;
  TerminalSize reportedSize;
  ColorDepth unnamedTerminalDepth = ColorDepth::None;

  // Whether standard input is a pipe or a file, which may hold a message.
  bool inputIsPiped = false;
  InputReader readInput;
  OutputWriter writeOutput;
  std::streambuf* errors = nullptr;

  // Empty when it cannot be told.
  std::filesystem::path programFolder;
};

// The world of the running process; `argv0` is its own entry of the
// argument vector.
OutsideWorld worldOfThisProcess(const char* argv0);

}  // namespace trot
