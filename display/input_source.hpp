// Standard input as a stream that says when reading fails: a read error (a
// folder as input, a closed descriptor) throws instead of looking like the
// end of the input, so a broken pipe never becomes an empty message.
#pragma once

#include <cstddef>
#include <memory>
#include <streambuf>

namespace trot {

class InputSource final : public std::streambuf {
 public:
  explicit InputSource(int descriptor) : descriptor_(descriptor) {}

 protected:
  // Throws FileException "Failed to read standard input: <reason>".
  int_type underflow() override;

 private:
  static constexpr std::size_t kBlock = std::size_t{1} << 16;

  int descriptor_;
  // Taken on the first read: most runs never read their standard input.
  std::unique_ptr<char[]> block_;
};

}  // namespace trot
