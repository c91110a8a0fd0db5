// Building a pony database from source folders: art files are grouped into
// characters by the names in their headers, and every quote file goes to the
// characters whose arts its first line names.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace trot {

// A quote file: a first line of art names, each closed by "+" or ".", then
// the quote text, which runs byte for byte to the end of the file.
struct QuoteFile {
  std::string_view artNames;
  std::string_view text;
};
QuoteFile splitQuoteFile(std::string_view contents);

// The art names of a quote file's first line. The byte right after a "+" or
// "." always starts the next name, even when it is one of those two itself;
// text after the last terminator is no name.
std::vector<std::string_view> artNameTokens(std::string_view line);

// Reads every ".pony" file of the art folders and every file of the quote
// folder and writes the database to `output`. Progress lines and per-file
// failures go to `out`; a folder that is missing stops the command before
// anything is written.
void convertPonies(const std::vector<std::filesystem::path>& artFolders, const std::filesystem::path& quoteFolder,
                   const std::filesystem::path& output, std::ostream& out);

}  // namespace trot
