#include "display/ponies/pony_database.hpp"

#include <cerrno>

#include "model/exception.hpp"

namespace trot {

namespace {

// The database starts with the tag "characterGroup1" and a u16 count, and
// a table of one u32 position per pony follows.
constexpr std::size_t kCountAt = 15;
constexpr std::size_t kTableAt = 17;
constexpr std::size_t kPositionSize = 4;

// What each read fetches: the head of a pony's record (its tag and four
// counts), a whole pony's record with its tables and name (also enough for
// an art's name or a quote), or a picture.
// The first read: the head with the position table of any database up to
// a thousand ponies, and the first records behind it.
constexpr std::size_t kFirstBlock = 4096;
constexpr std::size_t kRecordHead = 13;
constexpr std::size_t kRecordBlock = 256;
constexpr std::size_t kPictureBlock = 16 * 1024;
// The counts are asked for every pony in turn, for the weighted choice: one
// small read in each pony's record, all over the file. A file dropped from
// the system's cache in part would cost a wait on the disk for each; up to
// this size (a few hundred ponies) it is brought back whole in one batch.
constexpr std::uint64_t kPrefetchedWalk = 16 * 1024 * 1024;

}  // namespace

PonyDatabase::PonyDatabase(const std::filesystem::path& path) {
  // A folder opens as a file on some systems, and then reads as nothing.
  std::error_code ignored;
  int error = EISDIR;
  if (!std::filesystem::is_directory(path, ignored)) {
    errno = 0;
    error = file_.open(path) ? 0 : errno != 0 ? errno : EIO;
  }
  if (error != 0) {
    throw FileException(FileException::kNoOffset, "Failed to open file '" + path.string() + "'", systemReason(error));
  }
  Transcoder::leaveReadBudgetToBuffer(stream_);
  file_.readAhead(kFirstBlock);
  // The count tells how long the position table is, so that the table is
  // read in one piece; decoding then checks everything as usual.
  const std::string_view head = file_.fetch(kTableAt);
  if (head.size() == kTableAt) {
    const auto count = static_cast<std::size_t>(static_cast<unsigned char>(head[kCountAt]) |
                                                 static_cast<unsigned char>(head[kCountAt + 1]) << 8);
    file_.fetch(kTableAt + kPositionSize * count);
  }
  positions_ = CharacterGroup::decodePositions(stream_);
}

std::istream& PonyDatabase::recordAt(std::size_t index, std::size_t blockSize) {
  file_.readAhead(blockSize);
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(positions_.at(index)));
  return stream_;
}

CharacterSummary PonyDatabase::summary(std::size_t index) {
  if (const auto found = loaded_.find(index); found != loaded_.end()) {
    const Character& pony = found->second.get();
    return {pony.name, static_cast<std::uint16_t>(pony.artCount()), static_cast<std::uint16_t>(pony.quoteCount())};
  }
  return Character::peek(recordAt(index, kRecordBlock));
}

CharacterSummary PonyDatabase::counts(std::size_t index) {
  if (!walking_) {
    walking_ = true;
    file_.prefetchWhole(kPrefetchedWalk);
  }
  if (loaded_.contains(index)) return summary(index);
  return Character::peekCounts(recordAt(index, kRecordHead));
}

Character& PonyDatabase::character(std::size_t index) {
  const streamPosition position = positions_.at(index);
  if (const auto found = loaded_.find(index); found != loaded_.end()) return found->second.get();
  TranscoderHook<Character> hook;
  hook.decodeOffset = position;
  file_.readAhead(kRecordBlock);
  hook.decode(stream_);
  return loaded_.emplace(index, std::move(hook)).first->second.get();
}

void PonyDatabase::release(std::size_t index) { loaded_.erase(index); }

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

const std::string& PonyDatabase::artName(Character& pony, std::uint16_t index) {
  file_.readAhead(kRecordBlock);
  return artMeta(pony, index).name;
}

const AsciiArt& PonyDatabase::art(Character& pony, std::uint16_t index) {
  // The name and the picture behind it in large blocks.
  file_.readAhead(kPictureBlock);
  // Name and picture in one go, or the picture behind a name read earlier.
  AsciiArtMeta& meta = pony.getArt(index, &stream_);
  if (!meta.art.value) meta.art.load(stream_);
  return *meta.art.value;
}

const Quote& PonyDatabase::quote(Character& pony, std::uint16_t index) {
  file_.readAhead(kRecordBlock);
  return pony.getQuote(index, &stream_);
}

}  // namespace trot
