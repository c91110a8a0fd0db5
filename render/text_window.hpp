// The part of a TextSource still needed: from the oldest byte a caller keeps
// to the last one read. Positions count from the start of the text. The text
// ends at its first NUL byte, as the line breaker reads it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "render/text_source.hpp"

namespace trot {

class TextWindow {
 public:
  // Reads `source` from its beginning.
  explicit TextWindow(TextSource& source);

  std::uint64_t end() const { return start_ + bytes_.size(); }
  // No more bytes will come.
  bool ended() const { return ended_; }
  std::string_view range(std::uint64_t begin, std::uint64_t end) const;
  std::string_view from(std::uint64_t position) const { return range(position, end()); }
  // Where a byte of a view given by range or from stands in the text.
  std::uint64_t positionOf(const char* byte) const;

  // Reads on; false, once the text has ended. Views given earlier are no
  // longer valid.
  bool readMore();
  // Whether the text goes on at `position`, reading more when it must.
  bool hasTextAt(std::uint64_t position);
  // Nothing before `position` is asked for again.
  void release(std::uint64_t position);

 private:
  TextSource& source_;
  std::string bytes_;
  std::uint64_t start_ = 0;
  bool ended_ = false;
};

}  // namespace trot
