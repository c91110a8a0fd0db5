#include "render/color_format.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

namespace trot {

namespace {

void writeSelection(std::ostream& stream, const char* rgbLead, const char* defaultCode, Color color) {
  if (color.isDefault != 0) {
    stream << defaultCode;
    return;
  }
  stream << rgbLead << static_cast<unsigned>(color.r) << ';' << static_cast<unsigned>(color.g) << ';'
         << static_cast<unsigned>(color.b) << 'm';
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
