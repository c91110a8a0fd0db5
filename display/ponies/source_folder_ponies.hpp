// Ponies read straight from source files: a ponies/ folder of ".pony" art
// files and a quotes/ folder beside it, read whole when the run starts.
#pragma once

#include <filesystem>
#include <ostream>

#include "display/ponies/pony_collection.hpp"
#include "model/character_group.hpp"

namespace trot {

class SourceFolderPonies final : public PonyCollection {
 public:
  // `folder` holds ponies/ and, when there are quotes, quotes/. A file that
  // cannot be read is reported on `messages` and left out.
  SourceFolderPonies(const std::filesystem::path& folder, std::ostream& messages);

  std::size_t size() const override { return group_.characterCount(); }
  CharacterSummary summary(std::size_t index) override;
  Character& character(std::size_t index) override;
  void release(std::size_t) override {}
  const std::string& artName(Character& pony, std::uint16_t index) override;
  const AsciiArt& art(Character& pony, std::uint16_t index) override;
  const Quote& quote(Character& pony, std::uint16_t index) override;

 private:
  CharacterGroup group_;
};

}  // namespace trot
