// The terminal that standard output goes to and the kind of standard input:
// what the platform tells of them (terminal_<system>.cpp), and the terminal's
// size as a run uses it, where the environment may correct the platform.
#pragma once

#include <cstddef>
#include <optional>

#include "model/user_folders.hpp"
#include "render/color_format.hpp"

namespace trot {

bool outputIsTerminal();

// The size the terminal on standard output reports; none where it does not.
struct TerminalSize {
  std::optional<std::size_t> columns;
  std::optional<std::size_t> rows;
};
TerminalSize reportedTerminalSize();

// The colours of a terminal whose TERM names no kind: none on a POSIX
// system, where such a terminal is a bare one; 24 bits on Windows, whose
// console sets no TERM and shows them once switched to escape sequences.
ColorDepth unnamedTerminalDepth();

// Whether standard input is open and not a terminal: a pipe or a file that
// may hold a message.
bool inputIsPiped();

// The terminal's width in columns: COLUMNS when it holds a positive number,
// else what the terminal reports.
std::optional<std::size_t> terminalColumns(const EnvironmentLookup& environment, const TerminalSize& reported);

// The terminal's height in rows: what the terminal reports, else LINES when
// it holds a positive number.
std::optional<std::size_t> terminalRows(const EnvironmentLookup& environment, const TerminalSize& reported);

}  // namespace trot
