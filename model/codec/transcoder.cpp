#include "model/codec/transcoder.hpp"

#include <ios>
#include <limits>

#include "model/exception.hpp"

namespace trot {

namespace {

// Records may be pointed at by many table entries, and each entry is read
// back as a separate copy; a hostile file can chain such tables so that a few
// kilobytes expand into gigabytes of copies. Every stream therefore carries a
// budget of bytes that may be read from it over its lifetime: generous for
// honest files, which share a record only between a handful of owners, but
// proportional to the file's size.
constexpr long kBudgetPerByte = 64;
constexpr long kBudgetFloor = 1L << 20;
constexpr long kUnlimited = std::numeric_limits<long>::max();
// Marks a stream whose buffer keeps the budget.
constexpr long kKeptByBuffer = -1;

// Looked up for every value read, so taken once at start-up rather than
// behind a function-local guard.
const int bytesReadSlot = std::ios_base::xalloc();
const int budgetSlot = std::ios_base::xalloc();

struct Extent {
  std::streamoff here = -1;
  std::streamoff size = -1;
};

// The get position and the size of the whole stream, or -1 for both when it
// cannot tell (a failed or unseekable stream). Leaves the get position
// unchanged. Asks the buffer directly: a pony's record checks its tables
// against the size, and the sentries of tellg and seekg cost more than that.
Extent extentOf(std::istream& stream) {
  if (stream.fail()) return {};
  std::streambuf& buffer = *stream.rdbuf();
  const std::streamoff here = buffer.pubseekoff(0, std::ios::cur, std::ios::in);
  if (here < 0) return {};
  const std::streamoff size = buffer.pubseekoff(0, std::ios::end, std::ios::in);
  buffer.pubseekpos(here, std::ios::in);
  if (size < 0) return {};
  return {here, size};
}

// The budget is fixed the first time the stream can tell its size.
long fixBudget(std::istream& stream) {
  const std::streamoff size = extentOf(stream).size;
  if (size < 0) return kUnlimited;
  const auto budget = static_cast<long>(Transcoder::readBudget(static_cast<std::uint64_t>(size)));
  stream.iword(budgetSlot) = budget;
  return budget;
}

long budgetOf(std::istream& stream) {
  const long stored = stream.iword(budgetSlot);
  return stored != 0 ? stored : fixBudget(stream);
}

}  // namespace

Transcoder::ValueReader::ValueReader(std::istream& stream) : stream_(stream), buffer_(*stream.rdbuf()) {
  const long budget = budgetOf(stream);
  charged_ = budget != kKeptByBuffer;
  left_ = charged_ ? static_cast<std::uint64_t>(budget) - static_cast<std::uint64_t>(stream.iword(bytesReadSlot))
                   : std::numeric_limits<std::uint64_t>::max();
}

Transcoder::ValueReader::~ValueReader() {
  if (charged_) stream_.iword(bytesReadSlot) += static_cast<long>(read_);
}

void Transcoder::throwPrematureEnd() { throw NullException(kPrematureEndMessage); }

std::uint64_t Transcoder::readBudget(std::uint64_t size) {
  constexpr auto most = static_cast<std::uint64_t>(kUnlimited);
  if (size > (most - kBudgetFloor) / kBudgetPerByte) return most;
  return size * kBudgetPerByte + kBudgetFloor;
}

void Transcoder::throwReadBudgetExceeded() {
  throw FileException(FileException::kNoOffset, "Failed to parse input file, its records are referred to too often");
}

void Transcoder::leaveReadBudgetToBuffer(std::istream& stream) { stream.iword(budgetSlot) = kKeptByBuffer; }

void Transcoder::writeTag(std::ostream& stream, std::string_view tag) { stream.write(tag.data(), tag.size()); }

bool Transcoder::expectTag(std::istream& stream, std::string_view tag) {
  ValueReader reader(stream);
  for (const char expected : tag) {
    std::uint8_t byte = 0;
    if (reader.take(&byte, 1) == 0 || static_cast<char>(byte) != expected) return false;
  }
  return true;
}

void Transcoder::writeString(std::ostream& stream, std::string_view text) {
  stream.write(text.data(), text.size());
  stream.put('\0');
}

void Transcoder::readString(std::istream& stream, std::string& text) {
  ValueReader reader(stream);
  text.clear();
  text.reserve(32);
  for (std::uint8_t byte = 0; reader.take(&byte, 1) == 1 && byte != 0;) text.push_back(static_cast<char>(byte));
}

streamPosition Transcoder::putPosition(std::ostream& stream) {
  return static_cast<streamPosition>(static_cast<std::streamoff>(stream.tellp()));
}

streamPosition Transcoder::getPosition(std::istream& stream) {
  return static_cast<streamPosition>(static_cast<std::streamoff>(stream.tellg()));
}

void Transcoder::requireBytes(std::istream& stream, std::uint64_t bytes) {
  const Extent extent = extentOf(stream);
  if (extent.size < 0) return;
  if (bytes > static_cast<std::uint64_t>(extent.size - extent.here)) throw NullException(kPrematureEndMessage);
}

void Transcoder::reserveTable(std::ostream& stream, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) stream.put('\0');
}

}  // namespace trot
