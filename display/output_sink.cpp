#include "display/output_sink.hpp"

#include "display/descriptor_io.hpp"

namespace trot {

OutputSink::OutputSink(int descriptor) : descriptor_(descriptor), held_(new char[kChunk]) {
  setp(held_.get(), held_.get() + kChunk);
}

void OutputSink::writeHeld() {
  const auto size = static_cast<std::size_t>(pptr() - pbase());
  if (error_ == 0 && size > 0) error_ = writeAll(descriptor_, pbase(), size);
  setp(held_.get(), held_.get() + kChunk);
  if (pictureStart_ != kNoPicture) pictureStart_ = 0;
}

void OutputSink::markPicture() { pictureStart_ = pptr() - pbase(); }

void OutputSink::dropPicture() {
  if (pictureStart_ == kNoPicture) return;
  setp(held_.get(), held_.get() + kChunk);
  pbump(static_cast<int>(pictureStart_));
  pictureStart_ = kNoPicture;
}

OutputSink::int_type OutputSink::overflow(int_type c) {
  writeHeld();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int OutputSink::sync() {
  writeHeld();
  return error_ == 0 ? 0 : -1;
}

int OutputSink::finish() {
  writeHeld();
  return error_;
}

}  // namespace trot
