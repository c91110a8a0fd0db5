#include "tests/support/process.hpp"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <stdexcept>

#include "tests/support/temp_dir.hpp"

namespace trot::test {

namespace {

int openOrThrow(const std::filesystem::path& path, int flags) {
  const int fd = ::open(path.c_str(), flags, 0600);
  if (fd < 0) throw std::runtime_error("cannot open " + path.string());
  return fd;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (auto& text : strings) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

struct Launch {
  std::vector<std::string> argv;
  std::vector<std::string> environment;  // "NAME=value" entries
  bool environmentIsWhole = false;       // else added to this process's, less NO_COLOR
};

// Starts the program with `streams` as its standard input, output and
// error (closed here once the child holds them), runs `whileRunning`, and
// gives the exit status as a POSIX shell sees it.
int runToEnd(const std::filesystem::path& program, Launch launch, const std::filesystem::path& workingDir,
             const int (&streams)[3], const std::function<void()>& whileRunning) {
  const auto argvPointers = pointersTo(launch.argv);
  const auto environmentPointers = pointersTo(launch.environment);
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    for (int fd = 0; fd < 3; ++fd) ::dup2(streams[fd], fd);
    if (::chdir(workingDir.c_str()) != 0) ::_exit(126);
    if (launch.environmentIsWhole) {
      ::execve(program.c_str(), argvPointers.data(), environmentPointers.data());
    } else {
      ::unsetenv("NO_COLOR");
      for (std::size_t i = 0; i + 1 < environmentPointers.size(); ++i) ::putenv(environmentPointers[i]);
      ::execv(program.c_str(), argvPointers.data());
    }
    ::_exit(127);
  }
  for (const int fd : streams) ::close(fd);
  whileRunning();
  int status = 0;
  if (::waitpid(pid, &status, 0) < 0) throw std::runtime_error("waitpid failed");
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::vector<std::string> argvOf(const std::string& argv0, const std::vector<std::string>& args) {
  std::vector<std::string> argv{argv0};
  argv.insert(argv.end(), args.begin(), args.end());
  return argv;
}

}  // namespace

ProcessResult runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workingDir, const std::string& input,
                         const std::string& argv0, const std::vector<std::string>& environment) {
  // Standard streams go through files so that large outputs cannot block.
  TempDir scratch;
  const int streams[3] = {openOrThrow(scratch.write("stdin", input), O_RDONLY),
                          openOrThrow(scratch / "stdout", O_WRONLY | O_CREAT | O_TRUNC),
                          openOrThrow(scratch / "stderr", O_WRONLY | O_CREAT | O_TRUNC)};
  ProcessResult result;
  result.status = runToEnd(program, {argvOf(argv0.empty() ? program.string() : argv0, args), environment},
                           workingDir, streams, [] {});
  result.out = readFile(scratch / "stdout");
  result.err = readFile(scratch / "stderr");
  return result;
}

ProcessResult runInTerminal(const std::filesystem::path& program, const std::vector<std::string>& args,
                            const std::filesystem::path& workingDir, const std::vector<std::string>& environment,
                            unsigned short columns, unsigned short rows) {
  // Raw mode: the terminal passes bytes through as the program wrote them.
  termios settings{};
  cfmakeraw(&settings);
  winsize size{};
  size.ws_col = columns;
  size.ws_row = rows;
  int controller = -1;
  int terminal = -1;
  if (openpty(&controller, &terminal, nullptr, &settings, &size) != 0) throw std::runtime_error("openpty failed");
  TempDir scratch;
  const int streams[3] = {openOrThrow("/dev/null", O_RDONLY), terminal,
                          openOrThrow(scratch / "stderr", O_WRONLY | O_CREAT | O_TRUNC)};
  ProcessResult result;
  // Read while the program runs, or it blocks once the terminal's buffer is
  // full; the read fails with EIO when the program has closed its side.
  const auto readTerminal = [&] {
    char buffer[4096];
    for (;;) {
      const ssize_t count = ::read(controller, buffer, sizeof buffer);
      if (count > 0) {
        result.out.append(buffer, static_cast<std::size_t>(count));
      } else if (count >= 0 || errno != EINTR) {
        break;
      }
    }
    ::close(controller);
  };
  result.status = runToEnd(program, {argvOf(program.string(), args), environment, true}, workingDir, streams,
                           readTerminal);
  result.err = readFile(scratch / "stderr");
  return result;
}

void setEnvironment(const std::string& name, const std::string& value) { ::setenv(name.c_str(), value.c_str(), 1); }

void unsetEnvironment(const std::string& name) { ::unsetenv(name.c_str()); }

}  // namespace trot::test
