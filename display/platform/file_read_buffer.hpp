// A read-only stream buffer over a file for records reached by seeking.
// The pony database is read by jumping from one record to another; a seek
// here only moves a position, and a block is read when bytes are wanted
// outside the block in hand. The caller sizes the blocks to what it is about
// to read (a record's head, a pony's record, a picture), so that each costs
// one read. A file that cannot seek (a pipe) is read whole at opening.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <streambuf>
#include <string_view>

namespace trot {

class FileReadBuffer final : public std::streambuf {
 public:
  FileReadBuffer() = default;
  FileReadBuffer(const FileReadBuffer&) = delete;
  FileReadBuffer& operator=(const FileReadBuffer&) = delete;
  ~FileReadBuffer() override;

  // False when the file cannot be opened or read.
  bool open(const std::filesystem::path& path);

  // The size of the blocks read from here on.
  void readAhead(std::size_t bytes) { blockSize_ = bytes == 0 ? 1 : bytes; }

  // Asks the system to bring a file of at most `largest` bytes into its
  // cache in one batch, for a caller about to read from all over it: the
  // parts no longer cached then cost one batched read, not one wait each.
  // Where the system can tell, it is asked only once a read finds a part
  // missing; where it cannot be asked, nothing happens.
  void prefetchWhole(std::uint64_t largest);

  // Makes the block in hand hold the `count` bytes at the get position (as
  // many as the file has), reading them in one block when it does not yet,
  // and shows them without taking them.
  std::string_view fetch(std::size_t count);

 protected:
  int_type underflow() override;
  pos_type seekoff(off_type offset, std::ios_base::seekdir direction, std::ios_base::openmode which) override;
  pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

 private:
  bool readWhole();
  // Makes block_ hold at least `length` bytes, keeping its first `kept`; new
  // bytes are left unset, since a read fills them at once.
  void growBlock(std::size_t length, std::size_t kept);
  // Fills block_ with `length` bytes from `start`; false at the end or on an
  // error.
  bool readAt(off_type start, std::size_t length);
  // Reads up to `length` bytes at `start` into block_, which holds that many;
  // gives how many were read. The system's own read:
  // file_read_buffer_<system>.cpp.
  std::size_t readFromFile(off_type start, std::size_t length);
  // The system's own open: file_read_buffer_<system>.cpp.
  static std::FILE* openForReading(const std::filesystem::path& path);
  off_type position() const { return inBlock_ ? blockStart_ + (gptr() - eback()) : outside_; }
  // Charges the bytes taken from the block in hand since the last call.
  void settle();

  std::FILE* file_ = nullptr;
  bool whole_ = false;
  // The next read that would wait on the disk asks for the whole file first.
  bool prefetchOnMiss_ = false;
  off_type size_ = 0;
  std::size_t blockSize_ = 256;
  // The block in hand stays valid while the position is elsewhere, so that
  // a look at the end of the file and back costs nothing.
  std::unique_ptr<char[]> block_;
  std::size_t blockCapacity_ = 0;
  off_type blockStart_ = 0;
  off_type blockLength_ = 0;
  bool inBlock_ = true;
  off_type outside_ = 0;

  // Bytes handed out over the buffer's life, counted against the same budget
  // as the codec's own (Transcoder::readBudget), but per seek and per block
  // rather than per value.
  std::uint64_t budget_ = 0;
  std::uint64_t charged_ = 0;
  const char* unchargedFrom_ = nullptr;
};

}  // namespace trot
