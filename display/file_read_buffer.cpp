#include "display/file_read_buffer.hpp"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace trot {

FileReadBuffer::~FileReadBuffer() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileReadBuffer::open(const std::filesystem::path& path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return false;
  // Blocks are read whole into block_, so the C library's own buffer would
  // only copy everything twice.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  if (std::fseek(file_, 0, SEEK_END) != 0) return false;
  size_ = std::ftell(file_);
  setg(block_, block_, block_);
  return size_ >= 0;
}

std::size_t FileReadBuffer::readAt(off_type start) {
#ifdef _WIN32
  if (std::fseek(file_, static_cast<long>(start), SEEK_SET) != 0) return 0;
  return std::fread(block_, 1, kBlockSize, file_);
#else
  // One system call per block, however far the last one was.
  const ssize_t got = ::pread(fileno(file_), block_, kBlockSize, start);
  return got > 0 ? static_cast<std::size_t>(got) : 0;
#endif
}

FileReadBuffer::int_type FileReadBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  const off_type start = position();
  if (file_ == nullptr || start >= size_) return traits_type::eof();
  const std::size_t got = readAt(start);
  blockStart_ = start;
  blockLength_ = static_cast<off_type>(got);
  inBlock_ = true;
  setg(block_, block_, block_ + got);
  return got == 0 ? traits_type::eof() : traits_type::to_int_type(*gptr());
}

FileReadBuffer::pos_type FileReadBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                                 std::ios_base::openmode which) {
  off_type base = 0;
  if (direction == std::ios_base::cur) base = position();
  if (direction == std::ios_base::end) base = size_;
  return seekpos(pos_type(base + offset), which);
}

FileReadBuffer::pos_type FileReadBuffer::seekpos(pos_type target, std::ios_base::openmode which) {
  const off_type wanted = off_type(target);
  if (file_ == nullptr || !(which & std::ios_base::in) || wanted < 0) return pos_type(off_type(-1));
  const off_type offsetInBlock = wanted - blockStart_;
  inBlock_ = offsetInBlock >= 0 && offsetInBlock <= blockLength_;
  if (inBlock_) {
    setg(block_, block_ + offsetInBlock, block_ + blockLength_);
  } else {
    // Outside the block in hand: the next read fetches a block from there.
    outside_ = wanted;
    setg(block_, block_, block_);
  }
  return target;
}

}  // namespace trot
