// Random rainbow colouring of a message, one colour per character, made
// while it is read, so the coloured text (many times the message) is never
// held whole.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "render/color_format.hpp"
#include "render/text_source.hpp"

namespace trot {

class RainbowText final : public TextSource {
 public:
  // Each character of `text` (as decodeNext delimits it, so its bytes stay
  // together) gets a colour from two draws: hue, then saturation. Escape
  // sequences in the text are dropped first. The coloured text ends with a
  // reset. `restartDraws` sets `draw` back to where it stood before the first
  // reading, so that every reading colours alike.
  RainbowText(std::string text, ColorDepth depth, std::function<std::uint32_t()> draw,
              std::function<void()> restartDraws);

  void rewind() override;
  bool readMore(std::string& into) override;

 private:
  std::string plain_;
  std::string_view rest_;
  ColorDepth depth_;
  std::function<std::uint32_t()> draw_;
  std::function<void()> restartDraws_;
  // Fresh for each reading: it leaves out a colour equal to the one before.
  std::optional<ColorFormatANSI> format_;
  bool ended_ = false;
};

}  // namespace trot
