// What trotspeak learns of the terminal that standard output goes to.
#pragma once

#include <cstddef>
#include <optional>

namespace trot {

bool outputIsTerminal();

// The terminal's width in columns: COLUMNS when it holds a positive number,
// else what the terminal reports; none when neither tells.
std::optional<std::size_t> terminalColumns();

}  // namespace trot
