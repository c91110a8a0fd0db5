#include "display/terminal.hpp"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace trot {

namespace {

std::optional<std::size_t> columnsFromEnvironment() {
  const char* value = std::getenv("COLUMNS");
  if (value == nullptr) return std::nullopt;
  const std::string_view text = value;
  std::size_t columns = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), columns);
  if (error != std::errc() || end != text.data() + text.size() || columns == 0) return std::nullopt;
  return columns;
}

std::optional<std::size_t> columnsFromTerminal() {
#ifdef _WIN32
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) return std::nullopt;
  const auto columns = info.srWindow.Right - info.srWindow.Left + 1;
#else
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return std::nullopt;
  const auto columns = size.ws_col;
#endif
  if (columns <= 0) return std::nullopt;
  return static_cast<std::size_t>(columns);
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
  if (auto columns = columnsFromEnvironment()) return columns;
  return columnsFromTerminal();
}

}  // namespace trot
