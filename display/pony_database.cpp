#include "display/pony_database.hpp"

#include "model/file_io.hpp"

namespace trot {

PonyDatabase::PonyDatabase(const std::filesystem::path& path) { openForLazyLoad(group_, stream_, path); }

Character& PonyDatabase::character(std::size_t index) {
  auto& hook = group_.characters.at(index);
  if (!hook.value) hook.decode(stream_);
  return *hook.value;
}

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
