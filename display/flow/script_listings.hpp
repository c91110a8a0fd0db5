// Listings for scripts and shell completions: plain lines, one item each,
// no colour and no tabs, with control bytes removed so that a name cannot
// move the cursor or recolour a terminal.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "display/ponies/pony_collection.hpp"

namespace trot {

// Every pony's name.
void listNames(PonyCollection& ponies, std::ostream& out);

// Every art name of every pony, each once, or those of `pony`.
void listArtNames(PonyCollection& ponies, Character* pony, std::ostream& out);

// One quote a line; line breaks are written as \n and backslashes as \\.
void listQuoteLines(PonyCollection& ponies, Character& pony, std::ostream& out);

// The style names of the given bubble style files.
void listBubbleNames(const std::vector<std::filesystem::path>& files, std::ostream& out);

// A quote as one line: \ becomes \\, each line break (CR LF, CR or LF) \n,
// but for the one that ends the quote, which is dropped.
std::string quoteAsLine(std::string_view text);

}  // namespace trot
