// A text the bubble renderer reads piece by piece, from the start as often as
// it needs: a text made on the fly, such as the rainbow colouring of a huge
// message, is then never held whole.
#pragma once

#include <string>
#include <string_view>

namespace trot {

class TextSource {
 public:
  TextSource() = default;
  TextSource(const TextSource&) = delete;
  TextSource& operator=(const TextSource&) = delete;
  virtual ~TextSource() = default;

  // Starts again from the beginning; every reading gives the same bytes.
  virtual void rewind() = 0;
  // Appends the next bytes to `into`, at least one; false, appending
  // nothing, once the text has ended.
  virtual bool readMore(std::string& into) = 0;
};

// A text already in memory, handed out in chunks.
class WholeText final : public TextSource {
 public:
  explicit WholeText(std::string_view text) : text_(text), rest_(text) {}

  void rewind() override { rest_ = text_; }
  bool readMore(std::string& into) override;

 private:
  std::string_view text_;
  std::string_view rest_;
};

}  // namespace trot
