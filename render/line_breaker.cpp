#include "render/line_breaker.hpp"

#include <algorithm>

#include "model/utf8.hpp"
#include "render/column_width.hpp"

namespace trot {

namespace {

constexpr char kEscape = '\x1b';
constexpr std::string_view kBreakCharacters = " /\\<>(){}[]";
constexpr std::size_t kPaletteArguments = 7;
constexpr std::size_t kQuotedEscapeBytes = 8;

std::string withOffset(std::uint64_t offset, const std::string& message) {
  if (offset == LineBreakException::kNoOffset) return message;
  return message + " at offset " + std::to_string(offset);
}

bool isBreak(std::uint32_t codePoint) {
  return codePoint < 0x80 && kBreakCharacters.find(static_cast<char>(codePoint)) != std::string_view::npos;
}

bool startsWithNul(std::string_view bytes) { return !bytes.empty() && bytes.front() == '\0'; }

// A line feed can only be the last character of a token, where it takes no
// column.
unsigned tokenColumns(std::uint32_t codePoint) { return codePoint == '\n' ? 0 : columnWidth(codePoint); }

}  // namespace

LineBreakException::LineBreakException(std::uint64_t offset, const std::string& message)
    : Exception(withOffset(offset, message)), offset_(offset) {}

bool skipEscape(std::string_view& bytes) {
  if (bytes.empty() || bytes.front() != kEscape) return false;
  bytes.remove_prefix(1);
  if (bytes.empty()) return true;

  if (bytes.starts_with("]P")) {
    bytes.remove_prefix(2);
    bytes.remove_prefix(std::min(kPaletteArguments, bytes.size()));
    return true;
  }
  if (bytes.front() != '[') {
    throw NullException("Unhandled escape condition '" + std::string(bytes.substr(0, kQuotedEscapeBytes)) + "'");
  }
  const std::size_t end = bytes.find_first_of(std::string_view("m\0", 2));
  bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
  return true;
}

Span nextToken(std::string_view& bytes) {
  const std::string_view start = bytes;
  std::size_t width = 0;
  bool seenBreak = false;
  while (!bytes.empty() && !startsWithNul(bytes)) {
    if (skipEscape(bytes)) continue;
    const std::string_view beforeCharacter = bytes;
    const std::uint32_t codePoint = decodeNext(bytes);
    const bool breaks = isBreak(codePoint);
    if (seenBreak && !breaks) {
      bytes = beforeCharacter;
      break;
    }
    if (codePoint == '\n') break;
    width += columnWidth(codePoint);
    seenBreak = seenBreak || breaks;
  }
  return Span{width, start.substr(0, start.size() - bytes.size())};
}

bool pushToken(Span& line, Span& token, std::size_t width) {
  if (token.text.empty()) return false;
  if (line.text.empty()) {
    line.text = std::string_view(token.text.data(), 0);
  } else if (token.text.data() != line.text.data() + line.text.size()) {
    throw LineBreakException(LineBreakException::kNoOffset, "Failed to push line, missmatching end and start");
  }

  if (line.width + token.width <= width) {
    line.width += token.width;
    line.text = std::string_view(line.text.data(), line.text.size() + token.text.size());
    token = Span{};
    return false;
  }

  const std::size_t room = width > line.width ? width - line.width : 0;
  const bool lineHasNoCharacter = line.width == 0;
  std::size_t taken = 0;
  std::string_view rest = token.text;
  while (!rest.empty()) {
    // Escape sequences go with the character after them, so one that stands
    // right at the cut moves to the next line.
    std::string_view ahead = rest;
    while (skipEscape(ahead)) {
    }
    if (ahead.empty()) break;
    const unsigned columns = tokenColumns(decodeNext(ahead));
    const bool fits = taken + columns <= room || (lineHasNoCharacter && taken == 0);
    if (!fits) break;
    taken += columns;
    rest = ahead;
  }

  token.width -= std::min(taken, token.width);
  // Nothing visible left (trailing escapes, marks or a line feed): it stays
  // on this line rather than making a line of its own.
  if (token.width == 0) rest = rest.substr(rest.size());
  line.width += taken;
  line.text = std::string_view(line.text.data(), line.text.size() + (token.text.size() - rest.size()));
  token.text = rest;
  return true;
}

std::size_t measureWidth(std::string_view text, std::size_t maxWidth) {
  std::size_t width = 0;
  while (!text.empty() && !startsWithNul(text)) {
    const Span token = nextToken(text);
    if (width + token.width > maxWidth) return maxWidth;
    width += token.width;
  }
  return width;
}

std::vector<Span> breakLines(std::string_view text, std::size_t width) {
  std::vector<Span> lines;
  Span line;
  while (!text.empty() && !startsWithNul(text)) {
    Span token = nextToken(text);
    if (line.width + token.width > width) {
      lines.push_back(line);
      line = Span{};
    }
    while (pushToken(line, token, width)) {
      lines.push_back(line);
      line = Span{};
    }
  }
  if (!line.text.empty()) lines.push_back(line);
  return lines;
}

}  // namespace trot
