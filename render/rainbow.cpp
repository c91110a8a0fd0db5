#include "render/rainbow.hpp"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <streambuf>
#include <utility>

#include "model/utf8.hpp"
#include "render/text_piece.hpp"

namespace trot {

namespace {

constexpr std::size_t kChunk = std::size_t{64} << 10;
constexpr char kEscape = '\x1b';

// The text without its escape sequences, which colouring would tear apart;
// made in place, since the text may be huge. No piece but an escape
// sequence holds an ESC byte, so everything up to the next one is kept.
std::string withoutEscapes(std::string text) {
  std::size_t kept = 0;
  std::size_t read = 0;
  while (read < text.size()) {
    const std::size_t escape = std::min(text.find(kEscape, read), text.size());
    std::memmove(text.data() + kept, text.data() + read, escape - read);
    kept += escape - read;
    if (escape == text.size()) break;
    std::string_view sequence = std::string_view(text).substr(escape);
    read = escape + nextPiece(sequence).bytes.size();
  }
  text.resize(kept);
  return text;
}

// An output stream's buffer that appends to a string.
class Appender final : public std::streambuf {
 public:
  explicit Appender(std::string& target) : target_(target) {}

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) target_.push_back(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    target_.append(bytes, static_cast<std::size_t>(count));
    return count;
  }

 private:
  std::string& target_;
};

}  // namespace

RainbowText::RainbowText(std::string text, ColorDepth depth, std::function<std::uint32_t()> draw,
                         std::function<void()> restartDraws)
    : plain_(withoutEscapes(std::move(text))),
      rest_(plain_),
      depth_(depth),
      draw_(std::move(draw)),
      restartDraws_(std::move(restartDraws)),
      format_(std::in_place, depth) {}

void RainbowText::rewind() {
  rest_ = plain_;
  format_.emplace(depth_);
  ended_ = false;
  if (restartDraws_) restartDraws_();
}

bool RainbowText::readMore(std::string& into) {
  if (ended_) return false;
  Appender appender(into);
  std::ostream out(&appender);
  for (const std::size_t start = into.size(); !rest_.empty() && into.size() - start < kChunk;) {
    std::string_view after = rest_;
    decodeNext(after);
    const std::size_t length = rest_.size() - after.size();

    const auto hue = static_cast<std::uint8_t>(draw_() & 0xFF);
    const auto saturation = static_cast<std::uint8_t>(draw_() & 0xFF);
    format_->setForeground(out, Color::fromHSV(hue, saturation, 255));
    into.append(rest_.substr(0, length));
    rest_ = after;
  }
  if (rest_.empty()) {
    format_->reset(out);
    ended_ = true;
  }
  return true;
}

}  // namespace trot
