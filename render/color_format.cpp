#include "render/color_format.hpp"

#include <algorithm>
#include <array>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace trot {

namespace {

char* appendDecimal(char* out, std::uint8_t value) {
  if (value >= 100) *out++ = static_cast<char>('0' + value / 100);
  if (value >= 10) *out++ = static_cast<char>('0' + value / 10 % 10);
  *out++ = static_cast<char>('0' + value % 10);
  return out;
}

void writeSelection(std::ostream& stream, std::string_view rgbLead, std::string_view defaultCode, Color color) {
  if (color.isDefault != 0) {
    stream << defaultCode;
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
  stream.write(buffer.data(), end - buffer.data());
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

void ColorFormatANSI::init([[maybe_unused]] std::ostream& stream) {
#ifdef _WIN32
  SetConsoleOutputCP(65001);
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(output, &mode)) return;
  SetConsoleMode(output, mode | 0x0004);
#endif
}

void ColorFormatANSI::setForeground(std::ostream& stream, Color color) {
  if (color == foreground_) return;
  foreground_ = color;
  writeSelection(stream, "\033[38;2;", "\033[39m", color);
}

void ColorFormatANSI::setBackground(std::ostream& stream, Color color) {
  if (color == background_) return;
  background_ = color;
  writeSelection(stream, "\033[48;2;", "\033[49m", color);
}

void ColorFormatANSI::bold(std::ostream& stream) { stream << "\033[1m"; }

void ColorFormatANSI::reset(std::ostream& stream) {
  background_ = Color::defaultColor();
  foreground_ = Color::defaultColor();
  stream << "\033[49m\033[39m\033[0m";
}

}  // namespace trot
