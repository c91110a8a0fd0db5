#include "model/transcoder.hpp"

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

void charge(std::istream& stream, long budget, std::size_t bytes) {
  if (budget == kKeptByBuffer) return;
  long& used = stream.iword(bytesReadSlot);
  if (static_cast<unsigned long>(used) + bytes > static_cast<unsigned long>(budget)) Transcoder::throwReadBudgetExceeded();
  used += static_cast<long>(bytes);
}

// What stream.get() does, without building a sentry for every byte: records
// are read a byte at a time, and the sentry was most of the cost of reading
// a pony. A failed stream reads nothing; the end of the stream fails it.
std::char_traits<char>::int_type nextByte(std::istream& stream) {
  constexpr auto eof = std::char_traits<char>::eof();
  if (!stream.good()) {
    stream.setstate(std::ios::failbit);
    return eof;
  }
  const auto byte = stream.rdbuf()->sbumpc();
  if (byte == eof) stream.setstate(std::ios::eofbit | std::ios::failbit);
  return byte;
}

}  // namespace

std::size_t Transcoder::readBytes(std::istream& stream, std::uint8_t* bytes, std::size_t count) {
  const long budget = budgetOf(stream);
  std::size_t read = 0;
  for (; read < count; ++read) {
    const auto byte = nextByte(stream);
    if (byte == std::char_traits<char>::eof()) break;
    bytes[read] = static_cast<std::uint8_t>(byte);
  }
  if (read > 0) charge(stream, budget, read);
  return read;
}

Transcoder::ValueReader::ValueReader(std::istream& stream)
    : stream_(stream), buffer_(*stream.rdbuf()), left_(0), charged_(false) {
  const long budget = budgetOf(stream);
  charged_ = budget != kKeptByBuffer;
  const long used = charged_ ? stream.iword(bytesReadSlot) : 0;
  left_ = charged_ ? static_cast<std::uint64_t>(budget) - static_cast<std::uint64_t>(used)
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
  const long budget = budgetOf(stream);
  std::size_t read = 0;
  bool matched = true;
  for (const char expected : tag) {
    const auto byte = nextByte(stream);
    if (byte == std::char_traits<char>::eof()) {
      matched = false;
      break;
    }
    ++read;
    if (static_cast<char>(byte) != expected) {
      matched = false;
      break;
    }
  }
  if (read > 0) charge(stream, budget, read);
  return matched;
}

void Transcoder::writeString(std::ostream& stream, std::string_view text) {
  stream.write(text.data(), text.size());
  stream.put('\0');
}

void Transcoder::readString(std::istream& stream, std::string& text) {
  const long budget = budgetOf(stream);
  text.clear();
  text.reserve(32);
  std::size_t read = 0;
  for (;;) {
    const auto byte = nextByte(stream);
    if (byte == std::char_traits<char>::eof()) break;
    ++read;
    if (byte == 0) break;
    text.push_back(static_cast<char>(byte));
  }
  if (read > 0) charge(stream, budget, read);
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
