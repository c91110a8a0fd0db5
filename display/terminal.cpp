#include "display/terminal.hpp"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace trot {

namespace {

std::optional<std::size_t> sizeFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  const std::string_view text = value;
  std::size_t columns = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), columns);
  if (error != std::errc() || end != text.data() + text.size() || columns == 0) return std::nullopt;
  return columns;
}

// The window's columns, or its rows.
std::optional<std::size_t> sizeFromTerminal(bool rows) {
#ifdef _WIN32
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) return std::nullopt;
  const auto count = rows ? info.srWindow.Bottom - info.srWindow.Top + 1 : info.srWindow.Right - info.srWindow.Left + 1;
#else
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return std::nullopt;
  const auto count = rows ? size.ws_row : size.ws_col;
#endif
  if (count <= 0) return std::nullopt;
  return static_cast<std::size_t>(count);
}

}  // namespace

bool outputIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stdout)) != 0;
#else
  return isatty(STDOUT_FILENO) != 0;
#endif
}

std::optional<std::size_t> terminalColumns() {
  if (auto columns = sizeFromEnvironment("COLUMNS")) return columns;
  return sizeFromTerminal(false);
}

std::optional<std::size_t> terminalRows() {
  if (auto rows = sizeFromTerminal(true)) return rows;
  return sizeFromEnvironment("LINES");
}

bool inputIsPiped() {
#ifdef _WIN32
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  return input != nullptr && input != INVALID_HANDLE_VALUE && _isatty(_fileno(stdin)) == 0;
#else
  return fcntl(STDIN_FILENO, F_GETFD) != -1 && isatty(STDIN_FILENO) == 0;
#endif
}

}  // namespace trot
