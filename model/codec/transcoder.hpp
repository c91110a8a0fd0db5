// The base of everything stored in a binary resource file, and the primitive
// encodings that every record is built from.
//
// Integers are unsigned and little-endian, written one byte at a time; texts
// are their bytes plus one NUL; each record starts with an ASCII tag without
// terminator. Records refer to each other by absolute stream positions.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace trot {

// An absolute byte position in a stream, reduced to its low 32 bits.
using streamPosition = std::uint32_t;
inline constexpr streamPosition kNoPosition = 0xFFFFFFFFu;

// The one message for a fixed-width value cut short by the end of the stream.
inline constexpr const char* kPrematureEndMessage = "Failed to parse input file, invalid format? at #";

class Transcoder {
 public:
  using streamPosition = trot::streamPosition;

  // Prepares one encode pass: resets the per-pass state of every lazy value
  // reachable from here. Must be called on the root before encode().
  virtual void encodeInit() = 0;
  // Writes this record at the put position (containers: and their children).
  virtual void encode(std::ostream& stream) = 0;
  // Reads this record at the get position and everything it refers to.
  virtual void load(std::istream& stream) = 0;
  // Reads this record only; references stay unloaded but located.
  virtual void decode(std::istream& stream) = 0;

  template <std::unsigned_integral T>
  static void writeRaw(std::ostream& stream, T value) {
    char bytes[sizeof(T)];
    storeRaw(bytes, value);
    stream.write(bytes, sizeof(T));
  }

  // Puts `value` in its stored byte order at `bytes`, for records that are
  // put together in memory and written in one piece.
  template <std::unsigned_integral T>
  static void storeRaw(char* bytes, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }

  // Throws NullException on a premature end; bytes read so far stay in `value`.
  template <std::unsigned_integral T>
  static void readRaw(std::istream& stream, T& value) {
    ValueReader(stream).raw(value);
  }

  // Reads values from a stream, a byte at a time without the sentry that
  // stream.get() builds for each, and charges them to the stream's read
  // budget. The budget is looked up once per reader, so a record of many
  // small values (a picture is thousands of cells of a few bytes each) takes
  // one reader; nothing else may read the stream while it lives.
  class ValueReader {
   public:
    explicit ValueReader(std::istream& stream);
    ValueReader(const ValueReader&) = delete;
    ValueReader& operator=(const ValueReader&) = delete;
    ~ValueReader();

    // Throws NullException on a premature end; bytes read so far stay in place.
    template <std::unsigned_integral T>
    void raw(T& value) {
      std::uint8_t bytes[sizeof(T)];
      const std::size_t got = take(bytes, sizeof(T));
      for (std::size_t i = 0; i < got; ++i) {
        const std::uint64_t kept = static_cast<std::uint64_t>(value) & ~(std::uint64_t{0xFF} << (8 * i));
        value = static_cast<T>(kept | (std::uint64_t{bytes[i]} << (8 * i)));
      }
      if (got < sizeof(T)) throwPrematureEnd();
    }
    void exact(std::uint8_t* bytes, std::size_t count) {
      if (take(bytes, count) < count) throwPrematureEnd();
    }

    // Reads up to `count` bytes, stopping at the end of the stream (a failed
    // stream reads nothing); returns how many were read.
    std::size_t take(std::uint8_t* bytes, std::size_t count) {
      std::size_t got = 0;
      if (!stream_.good()) {
        stream_.setstate(std::ios::failbit);
        return 0;
      }
      for (; got < count; ++got) {
        const auto byte = buffer_.sbumpc();
        if (byte == std::char_traits<char>::eof()) {
          stream_.setstate(std::ios::eofbit | std::ios::failbit);
          break;
        }
        bytes[got] = static_cast<std::uint8_t>(byte);
      }
      if (got > left_ - read_) throwReadBudgetExceeded();
      read_ += got;
      return got;
    }

   private:
    std::istream& stream_;
    std::streambuf& buffer_;
    // What may still be read before the budget runs out, and what was read.
    std::uint64_t left_ = 0;
    std::uint64_t read_ = 0;
    bool charged_ = false;
  };

  static void writeTag(std::ostream& stream, std::string_view tag);
  // False at the first differing byte (which is consumed) or at the end of
  // the stream; the caller decides what to throw.
  static bool expectTag(std::istream& stream, std::string_view tag);

  static void writeString(std::ostream& stream, std::string_view text);
  // Reads up to a NUL (consumed, not stored) or the end of the stream, which
  // is not an error here.
  static void readString(std::istream& stream, std::string& text);

  // Positions as stored in files: the all-ones value when the stream has none.
  static streamPosition putPosition(std::ostream& stream);
  static streamPosition getPosition(std::istream& stream);

  // Throws the premature-end NullException unless `bytes` more bytes can be
  // read, so a table's count is trusted only when the table fits the stream.
  static void requireBytes(std::istream& stream, std::uint64_t bytes);

  // Writes `bytes` zero bytes where a position table goes; the entries are
  // filled in once the records they point at have been written.
  static void reserveTable(std::ostream& stream, std::size_t bytes);

  // How many bytes may be read over the lifetime of a stream of `size` bytes
  // before its records count as referred to too often.
  static std::uint64_t readBudget(std::uint64_t size);
  [[noreturn]] static void throwReadBudgetExceeded();
  // For a stream whose buffer charges the budget itself, a block at a time,
  // so that the codec does not also count each value.
  static void leaveReadBudgetToBuffer(std::istream& stream);

 protected:
  Transcoder() = default;
  Transcoder(const Transcoder&) = default;
  Transcoder& operator=(const Transcoder&) = default;
  // Never destroyed through the base: every owner holds its concrete type.
  ~Transcoder() = default;

 private:
  [[noreturn]] static void throwPrematureEnd();
};

}  // namespace trot
