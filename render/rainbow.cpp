#include "render/rainbow.hpp"

#include <cstdlib>
#include <sstream>
#include <utility>

#include "model/utf8.hpp"

namespace trot {

std::string rainbowText(std::string_view text, ColorFormat& format, const std::function<std::uint32_t()>& draw) {
  const auto next = [&] { return draw ? draw() : static_cast<std::uint32_t>(std::rand()); };
  std::ostringstream out;
  while (!text.empty()) {
    std::string_view rest = text;
    decodeNext(rest);
    const std::size_t length = text.size() - rest.size();

    const auto hue = static_cast<std::uint8_t>(next() & 0xFF);
    const auto saturation = static_cast<std::uint8_t>(next() & 0xFF);
    format.setForeground(out, Color::fromHSV(hue, saturation, 255));
    out << text.substr(0, length);
    text = rest;
  }
  format.reset(out);
  // Moved out, not copied: the coloured text is many times the message.
  return std::move(out).str();
}

}  // namespace trot
