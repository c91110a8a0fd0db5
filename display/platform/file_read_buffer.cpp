#include "display/platform/file_read_buffer.hpp"

#include <algorithm>

#include "model/codec/transcoder.hpp"

namespace trot {

namespace {

constexpr std::size_t kPipeChunk = 64 * 1024;

}  // namespace

FileReadBuffer::~FileReadBuffer() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileReadBuffer::open(const std::filesystem::path& path) {
  file_ = openForReading(path);
  if (file_ == nullptr) return false;
  // Blocks are read whole into block_, so the C library's own buffer would
  // only copy everything twice.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  if (std::fseek(file_, 0, SEEK_END) == 0) {
    size_ = std::ftell(file_);
    setg(nullptr, nullptr, nullptr);
  } else if (!readWhole()) {
    return false;
  }
  budget_ = Transcoder::readBudget(static_cast<std::uint64_t>(std::max<off_type>(size_, 0)));
  return size_ >= 0;
}

// A pipe or terminal: everything it holds becomes the one block.
bool FileReadBuffer::readWhole() {
  std::size_t length = 0;
  for (;;) {
    if (blockCapacity_ < length + kPipeChunk) growBlock(std::max(length + kPipeChunk, 2 * blockCapacity_), length);
    const std::size_t got = std::fread(block_.get() + length, 1, kPipeChunk, file_);
    length += got;
    if (got < kPipeChunk) break;
  }
  if (std::ferror(file_)) return false;
  whole_ = true;
  size_ = static_cast<off_type>(length);
  blockLength_ = size_;
  setg(block_.get(), block_.get(), block_.get() + length);
  unchargedFrom_ = block_.get();
  return true;
}

void FileReadBuffer::growBlock(std::size_t length, std::size_t kept) {
  if (blockCapacity_ >= length) return;
  std::unique_ptr<char[]> larger(new char[length]);
  std::copy_n(block_.get(), kept, larger.get());
  block_ = std::move(larger);
  blockCapacity_ = length;
}

bool FileReadBuffer::readAt(off_type start, std::size_t length) {
  length = static_cast<std::size_t>(std::min<off_type>(static_cast<off_type>(length), size_ - start));
  growBlock(length, 0);
  const std::size_t got = readFromFile(start, length);
  blockStart_ = start;
  blockLength_ = static_cast<off_type>(got);
  inBlock_ = true;
  setg(block_.get(), block_.get(), block_.get() + got);
  unchargedFrom_ = block_.get();
  return got > 0;
}

void FileReadBuffer::settle() {
  if (!inBlock_ || gptr() == nullptr) return;
  charged_ += static_cast<std::uint64_t>(gptr() - unchargedFrom_);
  unchargedFrom_ = gptr();
}

std::string_view FileReadBuffer::fetch(std::size_t count) {
  const off_type start = position();
  if (file_ == nullptr || start >= size_) return {};
  const off_type wanted = std::min<off_type>(start + static_cast<off_type>(count), size_);
  if (!inBlock_ || blockLength_ < wanted - blockStart_) {
    if (whole_) return {};
    settle();
    readAt(start, std::max(count, blockSize_));
  }
  const auto held = std::min<off_type>(wanted - start, egptr() - gptr());
  return {gptr(), static_cast<std::size_t>(std::max<off_type>(held, 0))};
}

FileReadBuffer::int_type FileReadBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  settle();
  if (charged_ > budget_) Transcoder::throwReadBudgetExceeded();
  const off_type start = position();
  if (whole_ || file_ == nullptr || start >= size_) return traits_type::eof();
  if (!readAt(start, blockSize_)) return traits_type::eof();
  return traits_type::to_int_type(*gptr());
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
  settle();
  const off_type offsetInBlock = wanted - blockStart_;
  // Past the budget every read goes through underflow, which refuses it.
  inBlock_ = charged_ <= budget_ && eback() != nullptr && offsetInBlock >= 0 && offsetInBlock <= blockLength_;
  if (inBlock_) {
    setg(eback(), eback() + offsetInBlock, eback() + blockLength_);
    unchargedFrom_ = gptr();
  } else {
    // Outside the block in hand: the next read fetches a block from there.
    outside_ = wanted;
    setg(eback(), eback(), eback());
  }
  return target;
}

}  // namespace trot
