// Building a pony database from source folders (see model/pony_source_reader.hpp
// for how the sources are read).
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "model/pony_source_reader.hpp"

namespace trot {

// Reads every ".pony" file of the art folders and every file of the quote
// folder and writes the database to `output`. Progress lines and per-file
// failures go to `out`; a folder that is missing stops the command before
// anything is written.
void convertPonies(const std::vector<std::filesystem::path>& artFolders, const std::filesystem::path& quoteFolder,
                   const std::filesystem::path& output, std::ostream& out);
// The same, for one of several databases that share a quote folder.
void convertPonies(const std::vector<std::filesystem::path>& artFolders, QuoteFolder& quotes,
                   const std::filesystem::path& output, std::ostream& out);

}  // namespace trot
