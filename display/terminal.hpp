// What trotspeak learns of the terminal that standard output goes to.
#pragma once

#include <cstddef>
#include <optional>

namespace trot {

bool outputIsTerminal();

// The terminal's width in columns: COLUMNS when it holds a positive number,
// else what the terminal reports; none when neither tells.
std::optional<std::size_t> terminalColumns();

// The terminal's height in rows: what the terminal reports, else LINES when
// it holds a positive number; none when neither tells.
std::optional<std::size_t> terminalRows();

// Whether standard input is open and not a terminal: a pipe or a file that
// may hold a message.
bool inputIsPiped();

}  // namespace trot
