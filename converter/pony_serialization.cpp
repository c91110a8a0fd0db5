#include "converter/pony_serialization.hpp"

#include <vector>

#include "model/character_group.hpp"
#include "model/exception.hpp"
#include "model/files/file_access.hpp"
#include "model/files/file_io.hpp"
#include "model/skipped_inputs.hpp"
#include "model/utf8_path.hpp"
#include "render/art_renderer.hpp"
#include "render/color_format.hpp"

namespace trot {

namespace {

using Path = std::filesystem::path;

// Art names become file names as they are, so a name that would lead out
// of the art folder is refused.
void checkArtName(const std::string& name) {
  if (name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos) {
    throw NullException("Art name '" + name + "' cannot be used as a file name in the art folder");
  }
}

// The first line of a quote file: the art names joined by "+", closed by ".".
std::string joinArtNames(const std::vector<std::string>& names) {
  std::string line;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) line += '+';
    line += names[i];
  }
  return line + '.';
}

class PonySerialization {
 public:
  PonySerialization(const Path& artFolder, const Path& quoteFolder, std::ostream& out)
      : artFolder_(artFolder), quoteFolder_(quoteFolder), out_(out) {}

  void writeCharacter(Character& character) {
    std::vector<std::string> artNames;
    for (std::uint16_t index = 0; index < character.artCount(); ++index) {
      try {
        const AsciiArtMeta& meta = character.getArt(index, nullptr);
        const AsciiArt& art = meta.art.get();
        checkArtName(meta.name);
        // Listed before writing, so quotes keep naming an art whose file
        // could not be written.
        artNames.push_back(meta.name);
        writeTextFile(artFolder_ / pathFromUtf8(meta.name + ".pony"), artFileText(character.name, art, format_));
        ++arts;
      } catch (const Exception& failure) {
        out_ << "Failed to process art: " << escapeControlBytes(character.name) << ':' << index << '\n';
        failure.print(out_);
        recordSkippedInput();
      }
    }
    const std::string artNameLine = joinArtNames(artNames);

    const std::string stem = quoteFileStem(character.name);
    for (std::uint16_t index = 0; index < character.quoteCount(); ++index) {
      try {
        const Quote& quote = character.getQuote(index, nullptr);
        writeTextFile(quoteFolder_ / pathFromUtf8(stem + "." + std::to_string(index + 1)), artNameLine + "\n" + quote.text);
        ++quotes;
      } catch (const Exception& failure) {
        out_ << "Failed to process quote: " << escapeControlBytes(character.name) << ':' << index << '\n';
        failure.print(out_);
        recordSkippedInput();
      }
    }
  }

  unsigned arts = 0;
  unsigned quotes = 0;

 private:
  Path artFolder_;
  Path quoteFolder_;
  std::ostream& out_;
  ColorFormatANSI format_;
};

}  // namespace

std::string quoteFileStem(std::string_view characterName) {
  std::string stem;
  for (const char c : characterName) {
    if (std::string_view("<>:\"/\\|?*").find(c) == std::string_view::npos) stem += c;
  }
  return stem;
}

void serializePonies(const Path& input, const Path& artFolder, const Path& quoteFolder, std::ostream& out) {
  std::filesystem::create_directories(artFolder);
  std::filesystem::create_directories(quoteFolder);

  unsigned databases = 0;
  PonySerialization serialization(artFolder, quoteFolder, out);
  try {
    CharacterGroup group;
    loadFromFile(group, input);
    for (std::size_t index = 0; index < group.characterCount(); ++index) {
      serialization.writeCharacter(group.getCharacter(index));
    }
    databases = 1;
  } catch (const Exception& failure) {
    out << "Failed to process character: " << quotedPath(input.filename()) << '\n';
    failure.print(out);
    recordSkippedInput();
  }
  out << "### Serialized " << databases << " characters\n";
  out << "### Serialized " << serialization.arts << " arts\n";
  out << "### Serialized " << serialization.quotes << " quotes\n";
}

}  // namespace trot
