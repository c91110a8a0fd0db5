// Unformatted output straight into a stream's buffer. The art renderer
// writes a few bytes for every cell, and the sentry that each formatted or
// unformatted stream call builds cost more than the bytes themselves. The
// streams drawn into keep their own failures (a string grows or throws, the
// program's output remembers the first failed write), so nothing is lost by
// not setting the stream's state here.
#pragma once

#include <ostream>
#include <string_view>

namespace trot {

inline void putRaw(std::ostream& stream, std::string_view bytes) {
  stream.rdbuf()->sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void putRaw(std::ostream& stream, char byte) { stream.rdbuf()->sputc(byte); }

}  // namespace trot
