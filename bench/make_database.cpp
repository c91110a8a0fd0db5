// Writes a pony database of exactly N ponies for the start-up benchmark,
// cycling through the ponies of an existing database (copies get a number
// appended to their name so that every name stays unique).
//   make_database <source.bin> <count> <output.bin>
#include <cstdlib>
#include <iostream>
#include <string>

#include "model/character_group.hpp"
#include "model/exception.hpp"
#include "model/file_io.hpp"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: " << argv[0] << " <source.bin> <count> <output.bin>\n";
    return 2;
  }
  try {
    trot::CharacterGroup source;
    trot::loadFromFile(source, argv[1]);
    const std::size_t wanted = std::strtoul(argv[2], nullptr, 10);
    if (source.characterCount() == 0) throw trot::NullException("the source database has no ponies");

    trot::CharacterGroup result;
    for (std::size_t round = 0; result.characterCount() < wanted; ++round) {
      const std::size_t before = result.characterCount();
      result.merge(source);
      for (std::size_t i = before; i < result.characterCount(); ++i)
        result.getCharacter(i, nullptr).name += " " + std::to_string(round);
    }
    result.characters.resize(wanted);
    trot::saveToFile(result, argv[3]);
  } catch (const trot::Exception& failure) {
    failure.print(std::cerr);
    return 1;
  }
  return 0;
}
