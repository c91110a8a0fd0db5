// What trotspeak can list instead of drawing a pony.
#pragma once

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "display/ponies/pony_collection.hpp"

namespace trot {

void listPonies(PonyCollection& ponies, std::ostream& out = std::cout);
void listArts(PonyCollection& ponies, Character& pony, std::ostream& out = std::cout);
void listQuotes(PonyCollection& ponies, Character& pony, std::ostream& out = std::cout);

// The bubble style files, each with a sample of its say and think variants.
// A style that cannot be read or drawn is reported to `messages` and left
// out.
void listBubbles(const std::vector<std::filesystem::path>& files, std::ostream& out = std::cout,
                 std::ostream& messages = std::cerr);

// A quote's lines as the quote list shows them: a run of line breaks is one
// break, a break at the very end adds no line.
std::vector<std::string_view> quoteLines(std::string_view text);

}  // namespace trot
