#include "display/platform/held_output.hpp"

#include <algorithm>

namespace trot {

namespace {

constexpr std::size_t kFirstHold = std::size_t{64} << 10;

}  // namespace

void HeldOutput::grow() {
  const auto size = static_cast<std::size_t>(pptr() - pbase());
  const std::size_t capacity = capacity_ == 0 ? kFirstHold : std::min(2 * capacity_, kChunk);
  std::unique_ptr<char[]> larger(new char[capacity]);
  std::copy_n(pbase(), size, larger.get());
  held_ = std::move(larger);
  capacity_ = capacity;
  setp(held_.get(), held_.get() + capacity_);
  pbump(static_cast<int>(size));
}

void HeldOutput::writeHeld() {
  const auto size = static_cast<std::size_t>(pptr() - pbase());
  if (error_ == 0 && size > 0) error_ = write_(pbase(), size);
  setp(held_.get(), held_.get() + capacity_);
  if (pictureStart_ != kNoPicture) pictureStart_ = 0;
}

void HeldOutput::markPicture() { pictureStart_ = pptr() - pbase(); }

void HeldOutput::dropPicture() {
  if (pictureStart_ == kNoPicture) return;
  setp(held_.get(), held_.get() + capacity_);
  pbump(static_cast<int>(pictureStart_));
  pictureStart_ = kNoPicture;
}

std::streamsize HeldOutput::xsputn(const char* bytes, std::streamsize count) {
  if (count > epptr() - pptr()) return std::streambuf::xsputn(bytes, count);
  std::copy_n(bytes, count, pptr());
  pbump(static_cast<int>(count));
  return count;
}

HeldOutput::int_type HeldOutput::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) {
    writeHeld();
    return traits_type::not_eof(c);
  }
  if (capacity_ < kChunk) {
    grow();
  } else {
    writeHeld();
  }
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int HeldOutput::sync() {
  writeHeld();
  return error_ == 0 ? 0 : -1;
}

int HeldOutput::finish() {
  writeHeld();
  return error_;
}

}  // namespace trot
