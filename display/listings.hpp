// What trotspeak can list instead of drawing a pony.
#pragma once

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "display/pony_database.hpp"

namespace trot {

void listPonies(PonyDatabase& database, std::ostream& out = std::cout);
void listArts(PonyDatabase& database, Character& pony, std::ostream& out = std::cout);
void listQuotes(PonyDatabase& database, Character& pony, std::ostream& out = std::cout);

// Every bubble style file of `folder`, in name order, each with a sample
// of its say and think variants.
void listBubbles(const std::filesystem::path& folder, std::ostream& out = std::cout);

// A quote's lines as the quote list shows them: a run of line breaks is one
// break, a break at the very end adds no line.
std::vector<std::string_view> quoteLines(std::string_view text);

}  // namespace trot
