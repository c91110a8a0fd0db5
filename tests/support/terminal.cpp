#include "tests/support/terminal.hpp"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "tests/support/temp_dir.hpp"

namespace trot::test {

namespace {

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (auto& text : strings) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ProcessResult runInTerminal(const std::filesystem::path& program, const std::vector<std::string>& args,
                            const std::filesystem::path& workingDir, const std::vector<std::string>& environment,
                            unsigned short columns) {
  TempDir scratch;
  const auto errPath = scratch / "stderr";

  std::vector<std::string> argvStrings{program.string()};
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<std::string> envStrings = environment;
  const auto argvPointers = pointersTo(argvStrings);
  const auto envPointers = pointersTo(envStrings);

  // Raw mode: the terminal passes bytes through as the program wrote them.
  termios settings{};
  cfmakeraw(&settings);
  winsize size{};
  size.ws_col = columns;
  size.ws_row = 50;
  int controller = -1;
  int terminal = -1;
  if (openpty(&controller, &terminal, nullptr, &settings, &size) != 0) throw std::runtime_error("openpty failed");
  const int errFd = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int inFd = ::open("/dev/null", O_RDONLY);
  if (errFd < 0 || inFd < 0) throw std::runtime_error("cannot open the standard streams");

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::dup2(inFd, 0);
    ::dup2(terminal, 1);
    ::dup2(errFd, 2);
    if (::chdir(workingDir.c_str()) != 0) ::_exit(126);
    ::execve(program.c_str(), argvPointers.data(), envPointers.data());
    ::_exit(127);
  }
  ::close(terminal);
  ::close(errFd);
  ::close(inFd);

  // Read while the program runs, or it blocks once the terminal's buffer is
  // full; the read fails with EIO when the program has closed its side.
  ProcessResult result;
  char buffer[4096];
  for (;;) {
    const ssize_t count = ::read(controller, buffer, sizeof buffer);
    if (count > 0) {
      result.out.append(buffer, static_cast<std::size_t>(count));
    } else if (count < 0 && errno == EINTR) {
      continue;
    } else {
      break;
    }
  }
  ::close(controller);

  int status = 0;
  if (::waitpid(pid, &status, 0) < 0) throw std::runtime_error("waitpid failed");
  result.err = readFile(errPath);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

}  // namespace trot::test
