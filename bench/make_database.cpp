// Writes a pony database of exactly N ponies for the start-up benchmark,
// cycling through the ponies of an existing database (copies get a number
// appended to their name so that every name stays unique). The copies share
// their arts and quotes, which are stored once, so that even 50,000 ponies
// make a file of a few megabytes; each pony still has a record of its own
// that a random choice reads.
//   make_database <source.bin> <count> <output.bin>
#include <cstdlib>
#include <iostream>
#include <string>

#include "model/character_group.hpp"
#include "model/exception.hpp"
#include "model/files/file_io.hpp"

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
    for (std::size_t i = 0; i < wanted; ++i) {
      const trot::Character& original = source.getCharacter(i % source.characterCount());
      trot::Character& copy = result.addCharacter();
      copy.name = original.name + " " + std::to_string(i / source.characterCount());
      for (const auto& art : original.arts) copy.addArt(art);
      for (const auto& quote : original.quotes) copy.addQuote(quote);
    }
    trot::saveToFile(result, argv[3]);
  } catch (const trot::Exception& failure) {
    failure.print(std::cerr);
    return 1;
  }
  return 0;
}
