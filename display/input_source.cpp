#include "display/input_source.hpp"

#include <cstring>
#include <string>

#include "display/descriptor_io.hpp"
#include "model/exception.hpp"

namespace trot {

InputSource::int_type InputSource::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (!block_) block_.reset(new char[kBlock]);
  int error = 0;
  const long count = readSome(descriptor_, block_.get(), kBlock, error);
  if (count < 0) {
    throw FileException(FileException::kNoOffset, std::string("Failed to read standard input: ") + std::strerror(error));
  }
  if (count == 0) return traits_type::eof();
  setg(block_.get(), block_.get(), block_.get() + count);
  return traits_type::to_int_type(*gptr());
}

}  // namespace trot
