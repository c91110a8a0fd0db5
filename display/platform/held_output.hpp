// Standard output of trotspeak, written through the outside world's writer.
// What is printed is held and leaves in one write when the stream is
// flushed, so a picture reaches the terminal whole and is never torn by
// other output; only an output past kChunk bytes (a huge message) leaves in
// chunks of that size, so memory stays bounded.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <streambuf>
#include <utility>

namespace trot {

// Writes all `size` bytes; gives 0, or the error number of the write that
// failed.
using OutputWriter = std::function<int(const char* bytes, std::size_t size)>;

class HeldOutput final : public std::streambuf {
 public:
  static constexpr std::size_t kChunk = std::size_t{1} << 20;

  explicit HeldOutput(OutputWriter write) : write_(std::move(write)) {}
  HeldOutput(const HeldOutput&) = delete;
  HeldOutput& operator=(const HeldOutput&) = delete;

  // Writes what is still held. Gives 0, or the error number of the first
  // write that failed; after a failure everything else is dropped.
  int finish();

  // A picture that fails half-way is not shown: what was held since
  // markPicture is dropped. Chunks that already left stay written.
  void markPicture();
  void dropPicture();

 protected:
  // Most writes are a glyph or an escape of a few bytes, into room already
  // held: those skip the general loop of the base class.
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  void writeHeld();
  // Makes room to hold more, up to kChunk, keeping what is held.
  void grow();

  OutputWriter write_;
  int error_ = 0;
  std::ptrdiff_t pictureStart_ = kNoPicture;
  static constexpr std::ptrdiff_t kNoPicture = -1;
  // Grows on demand: most outputs are a few kilobytes.
  std::unique_ptr<char[]> held_;
  std::size_t capacity_ = 0;
};

}  // namespace trot
