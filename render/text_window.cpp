#include "render/text_window.hpp"

#include <algorithm>

namespace trot {

namespace {

constexpr std::size_t kChunk = std::size_t{64} << 10;

}  // namespace

bool WholeText::readMore(std::string& into) {
  if (rest_.empty()) return false;
  const std::string_view chunk = rest_.substr(0, kChunk);
  into += chunk;
  rest_.remove_prefix(chunk.size());
  return true;
}

TextWindow::TextWindow(TextSource& source) : source_(source) { source_.rewind(); }

std::string_view TextWindow::range(std::uint64_t begin, std::uint64_t end) const {
  return std::string_view(bytes_).substr(static_cast<std::size_t>(begin - start_), static_cast<std::size_t>(end - begin));
}

std::uint64_t TextWindow::positionOf(const char* byte) const { return start_ + static_cast<std::uint64_t>(byte - bytes_.data()); }

bool TextWindow::readMore() {
  if (ended_) return false;
  const std::size_t read = bytes_.size();
  if (!source_.readMore(bytes_)) {
    ended_ = true;
    return false;
  }
  if (const std::size_t nul = bytes_.find('\0', read); nul != std::string::npos) {
    bytes_.resize(nul);
    ended_ = true;
  }
  return true;
}

bool TextWindow::hasTextAt(std::uint64_t position) {
  while (position == end()) {
    if (!readMore()) return false;
  }
  return true;
}

void TextWindow::release(std::uint64_t position) {
  // Dropped only once it is at least half the window, so each byte is moved
  // a bounded number of times.
  const auto unused = static_cast<std::size_t>(position - start_);
  if (unused < kChunk || unused * 2 < bytes_.size()) return;
  bytes_.erase(0, unused);
  start_ = position;
}

}  // namespace trot
