// The commands that combine the others: merging databases and converting a
// whole resource folder in either direction.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

namespace trot {

// Appends the characters of every input, in order, into one database.
// Nothing is matched by name; any failure ends the command before the
// output is written.
void mergeDatabases(const std::vector<std::filesystem::path>& inputs, const std::filesystem::path& output);

// Source folder to binary folder: "balloons" becomes "bubbles", every art
// folder whose name ends in "ttyponies" becomes a database named after it,
// all taking their quotes from "quotes".
void convertAll(const std::filesystem::path& in, const std::filesystem::path& out, std::ostream& messages);

// Binary folder to source folder, the reverse of convertAll: every ".bin"
// database gets an art folder named after it and shares "quotes".
void serializeAll(const std::filesystem::path& in, const std::filesystem::path& out, std::ostream& messages);

}  // namespace trot
