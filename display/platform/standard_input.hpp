// Standard input read whole, for a message piped in. A read error (a folder
// as input, a closed descriptor) throws instead of looking like the end of
// the input, so a broken pipe never becomes an empty message.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace trot {

// Appends the whole of an input to a text, keeping room for `spare` bytes
// more (see readInput).
using InputReader = std::function<void(std::string& text, std::size_t spare)>;

// Appends what is left of the input on `descriptor` to `text`, and keeps
// room for `spare` bytes more, so that they can join the text without
// moving it. A regular file is read into room taken once, from its size;
// other input grows the text as it comes. Throws FileException "Failed to
// read standard input" with the system's reason.
void readInput(int descriptor, std::string& text, std::size_t spare);

// readInput on standard input.
void readStandardInput(std::string& text, std::size_t spare);

}  // namespace trot
