// Running trotconv on folders written into a temporary directory, and
// reading back what it wrote.
#pragma once

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "model/character_group.hpp"
#include "model/file_io.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot::test {

inline ProcessResult trotconv(const TempDir& dir, const std::vector<std::string>& args) {
  return runProgram(TROTCONV_PATH, args, dir.path(), "", "./trotconv");
}

// Copies a folder of tests/converter/fixtures into `to`.
inline void copyFixtures(const std::string& name, const std::filesystem::path& to) {
  std::filesystem::create_directories(to);
  std::filesystem::copy(std::filesystem::path(TROT_CONVERTER_FIXTURES) / name, to);
}

// One line per pony of a database, "Name: art art | quote | quote", arts
// and quotes sorted since they follow the directory listing.
inline std::vector<std::string> describeDatabase(const std::filesystem::path& file) {
  CharacterGroup group;
  loadFromFile(group, file);
  std::vector<std::string> ponies;
  for (std::size_t i = 0; i < group.characterCount(); ++i) {
    Character& character = group.getCharacter(i, nullptr);
    std::vector<std::string> arts, quotes;
    for (std::uint16_t a = 0; a < character.artCount(); ++a) arts.push_back(" " + character.getArt(a, nullptr).name);
    for (std::uint16_t q = 0; q < character.quoteCount(); ++q) {
      quotes.push_back(" | " + character.getQuote(q, nullptr).text);
    }
    std::sort(arts.begin(), arts.end());
    std::sort(quotes.begin(), quotes.end());
    ponies.push_back(character.name + ":");
    for (const auto& part : arts) ponies.back() += part;
    for (const auto& part : quotes) ponies.back() += part;
  }
  return ponies;
}

// The lines of `text`, sorted, for output whose order follows the
// directory listing.
inline std::vector<std::string> sortedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace trot::test
