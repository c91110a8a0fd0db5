#include "render/color_format.hpp"

#include <algorithm>
#include <array>
#include <string_view>

#include "render/console.hpp"
#include "render/palette.hpp"
#include "render/raw_output.hpp"

namespace trot {

namespace {

// The digits of 0 to 255, with their count last: a picture writes three
// numbers for most cells, and copying them costs less than dividing.
constexpr auto kDecimals = [] {
  std::array<std::array<char, 4>, 256> table{};
  for (unsigned value = 0; value < table.size(); ++value) {
    auto& digits = table[value];
    char count = 0;
    if (value >= 100) digits[count++] = static_cast<char>('0' + value / 100);
    if (value >= 10) digits[count++] = static_cast<char>('0' + value / 10 % 10);
    digits[count++] = static_cast<char>('0' + value % 10);
    digits[3] = count;
  }
  return table;
}();

// Copies all three digit places, so `out` needs room for three.
char* appendDecimal(char* out, std::uint8_t value) {
  const auto& digits = kDecimals[value];
  std::copy_n(digits.begin(), 3, out);
  return out + digits[3];
}

void writeSelection(std::ostream& stream, std::string_view rgbLead, std::string_view defaultCode, Color color) {
  if (color.isDefault != 0) {
    putRaw(stream, defaultCode);
    return;
  }
  // Built in one buffer: the art renderer writes one of these for most cells,
  // and formatted stream output of each number costs far more.
  std::array<char, 24> buffer{};
  char* end = std::copy(rgbLead.begin(), rgbLead.end(), buffer.data());
  end = appendDecimal(end, color.r);
  *end++ = ';';
  end = appendDecimal(end, color.g);
  *end++ = ';';
  end = appendDecimal(end, color.b);
  *end++ = 'm';
  putRaw(stream, std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

}  // namespace

std::int8_t ColorFormat::matchPair(Color fore, Color back) const {
  if (foreground_ == fore && background_ == back) return 1;
  if (background_ == fore && foreground_.isDefault == 0 && foreground_ == back) return -1;
  return 0;
}

std::int8_t ColorFormat::matchOne(Color color) const {
  if (color.isDefault == 0 && color == foreground_) return 1;
  if (color == background_) return -1;
  return 0;
}

void ColorFormatANSI::init(std::ostream&) { prepareConsole(); }

int ColorFormatANSI::paletteCode(Color color) {
  if (color.isDefault != 0) return -1;
  const std::uint32_t key = std::uint32_t{color.r} << 16 | std::uint32_t{color.g} << 8 | color.b;
  const auto [entry, added] = paletteCache_.try_emplace(key);
  if (added) entry->second = depth_ == ColorDepth::Palette256 ? nearestIndex256(color) : nearestIndex16(color);
  return entry->second;
}

void ColorFormatANSI::writeColor(std::ostream& stream, Color color, bool background) {
  const std::string_view defaultCode = background ? "\033[49m" : "\033[39m";
  if (depth_ == ColorDepth::None) return;
  if (depth_ == ColorDepth::TrueColor) {
    writeSelection(stream, background ? "\033[48;2;" : "\033[38;2;", defaultCode, color);
    return;
  }

  const int code = paletteCode(color);
  int& last = background ? backgroundCode_ : foregroundCode_;
  if (code == last) return;
  last = code;
  if (code < 0) {
    stream << defaultCode;
    return;
  }
  const auto index = static_cast<std::uint8_t>(code);
  if (depth_ == ColorDepth::Palette256) {
    stream << (background ? "\033[48;5;" : "\033[38;5;") << static_cast<unsigned>(index) << 'm';
    return;
  }
  // The eight standard colours and, from index 8, their bright forms.
  const unsigned base = index < 8 ? (background ? 40 : 30) : (background ? 100 : 90);
  stream << "\033[" << base + index % 8 << 'm';
}

void ColorFormatANSI::setForeground(std::ostream& stream, Color color) {
  if (color == foreground_) return;
  foreground_ = color;
  writeColor(stream, color, false);
}

void ColorFormatANSI::setBackground(std::ostream& stream, Color color) {
  if (color == background_) return;
  background_ = color;
  writeColor(stream, color, true);
}

void ColorFormatANSI::bold(std::ostream& stream) {
  if (depth_ != ColorDepth::None) stream << "\033[1m";
}

void ColorFormatANSI::reset(std::ostream& stream) {
  background_ = Color::defaultColor();
  foreground_ = Color::defaultColor();
  foregroundCode_ = -1;
  backgroundCode_ = -1;
  if (depth_ != ColorDepth::None) putRaw(stream, "\033[49m\033[39m\033[0m");
}

}  // namespace trot
