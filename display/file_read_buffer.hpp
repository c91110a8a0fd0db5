// A read-only stream buffer over a file for records reached by seeking.
// The pony database is read by jumping from one small record to another;
// a seek here only moves a position, and a block is read when bytes are
// wanted outside the block in hand, so one record costs about one read.
#pragma once

#include <cstdio>
#include <filesystem>
#include <streambuf>

namespace trot {

class FileReadBuffer final : public std::streambuf {
 public:
  FileReadBuffer() = default;
  FileReadBuffer(const FileReadBuffer&) = delete;
  FileReadBuffer& operator=(const FileReadBuffer&) = delete;
  ~FileReadBuffer() override;

  // False when the file cannot be opened.
  bool open(const std::filesystem::path& path);

 protected:
  int_type underflow() override;
  pos_type seekoff(off_type offset, std::ios_base::seekdir direction, std::ios_base::openmode which) override;
  pos_type seekpos(pos_type position, std::ios_base::openmode which) override;

 private:
  static constexpr std::size_t kBlockSize = 256;

  // Fills block_ from `start`; the number of bytes read, 0 at the end.
  std::size_t readAt(off_type start);
  off_type position() const { return inBlock_ ? blockStart_ + (gptr() - eback()) : outside_; }

  std::FILE* file_ = nullptr;
  off_type size_ = 0;
  // The block in hand stays valid while the position is elsewhere, so that
  // a look at the end of the file and back costs nothing.
  off_type blockStart_ = 0;
  off_type blockLength_ = 0;
  bool inBlock_ = true;
  off_type outside_ = 0;
  char block_[kBlockSize];
};

}  // namespace trot
