#include "display/pony_database.hpp"

#include "model/exception.hpp"

namespace trot {

PonyDatabase::PonyDatabase(const std::filesystem::path& path) {
  // A folder opens as a file on some systems, and then reads as nothing.
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored) || !file_.open(path)) {
    throw FileException(FileException::kNoOffset, "Failed to open file '" + path.string() + "'");
  }
  group_.decode(stream_);
}

CharacterSummary PonyDatabase::summary(std::size_t index) {
  const auto& hook = group_.characters.at(index);
  if (hook.value) {
    const Character& pony = *hook.value;
    return {pony.name, static_cast<std::uint16_t>(pony.artCount()), static_cast<std::uint16_t>(pony.quoteCount())};
  }
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(hook.decodeOffset));
  return Character::peek(stream_);
}

Character& PonyDatabase::character(std::size_t index) {
  auto& hook = group_.characters.at(index);
  if (!hook.value) hook.decode(stream_);
  return *hook.value;
}

void PonyDatabase::release(std::size_t index) { group_.characters.at(index).value.reset(); }

AsciiArtMeta& PonyDatabase::artMeta(Character& pony, std::uint16_t index) {
  auto& hook = *pony.arts.at(index);
  if (!hook.value) {
    hook.decode(stream_);
    // The picture follows the name directly; remember where, so that it can
    // be loaded later without reading it now.
    hook.value->art.decodeOffset = Transcoder::getPosition(stream_);
  }
  return *hook.value;
}

const std::string& PonyDatabase::artName(Character& pony, std::uint16_t index) { return artMeta(pony, index).name; }

const AsciiArt& PonyDatabase::art(Character& pony, std::uint16_t index) {
  auto& meta = artMeta(pony, index);
  if (!meta.art.value) meta.art.load(stream_);
  return *meta.art.value;
}

const Quote& PonyDatabase::quote(Character& pony, std::uint16_t index) {
  auto& hook = *pony.quotes.at(index);
  if (!hook.value) hook.load(stream_);
  return *hook.value;
}

}  // namespace trot
