#include "display/ponies/source_folder_ponies.hpp"

#include "model/files/file_access.hpp"
#include "model/pony_source_reader.hpp"

namespace trot {

SourceFolderPonies::SourceFolderPonies(const std::filesystem::path& folder, std::ostream& messages) {
  PonySourceReader reader(messages, nullptr, true);
  reader.readArtFolder(folder / "ponies");
  if (isDirectory(folder / "quotes")) reader.readQuoteFolder(folder / "quotes");
  group_ = std::move(reader.group);
}

CharacterSummary SourceFolderPonies::summary(std::size_t index) {
  const Character& pony = character(index);
  return {pony.name, static_cast<std::uint16_t>(pony.artCount()), static_cast<std::uint16_t>(pony.quoteCount())};
}

Character& SourceFolderPonies::character(std::size_t index) { return group_.characters.at(index).get(); }

const std::string& SourceFolderPonies::artName(Character& pony, std::uint16_t index) {
  return pony.arts.at(index)->get().name;
}

const AsciiArt& SourceFolderPonies::art(Character& pony, std::uint16_t index) {
  return pony.arts.at(index)->get().art.get();
}

const Quote& SourceFolderPonies::quote(Character& pony, std::uint16_t index) { return pony.quotes.at(index)->get(); }

}  // namespace trot
