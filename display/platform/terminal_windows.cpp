#include <io.h>
#include <windows.h>

#include <cstdio>

#include "display/platform/terminal.hpp"

namespace trot {

bool outputIsTerminal() { return _isatty(_fileno(stdout)) != 0; }

TerminalSize reportedTerminalSize() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) return {};
  const auto given = [](long count) -> std::optional<std::size_t> {
    if (count <= 0) return std::nullopt;
    return static_cast<std::size_t>(count);
  };
  return {given(info.srWindow.Right - info.srWindow.Left + 1), given(info.srWindow.Bottom - info.srWindow.Top + 1)};
}

ColorDepth unnamedTerminalDepth() { return ColorDepth::TrueColor; }

bool inputIsPiped() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  return input != nullptr && input != INVALID_HANDLE_VALUE && _isatty(_fileno(stdin)) == 0;
}

}  // namespace trot
