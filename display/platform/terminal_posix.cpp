#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "display/platform/terminal.hpp"

namespace trot {

bool outputIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

TerminalSize reportedTerminalSize() {
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return {};
  const auto given = [](unsigned short count) -> std::optional<std::size_t> {
    if (count == 0) return std::nullopt;
    return count;
  };
  return {given(size.ws_col), given(size.ws_row)};
}

ColorDepth unnamedTerminalDepth() { return ColorDepth::None; }

bool inputIsPiped() { return fcntl(STDIN_FILENO, F_GETFD) != -1 && isatty(STDIN_FILENO) == 0; }

}  // namespace trot
