#include "tests/support/process.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "tests/support/temp_dir.hpp"

namespace trot::test {

namespace {

int openOrThrow(const std::filesystem::path& path, int flags) {
  const int fd = ::open(path.c_str(), flags, 0600);
  if (fd < 0) throw std::runtime_error("cannot open " + path.string());
  return fd;
}

}  // namespace

ProcessResult runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workingDir, const std::string& input,
                         const std::string& argv0, const std::vector<std::string>& environment) {
  // Standard streams go through files so that large outputs cannot block.
  TempDir scratch;
  const auto inPath = scratch.write("stdin", input);
  const auto outPath = scratch / "stdout";
  const auto errPath = scratch / "stderr";

  std::vector<std::string> argvStrings;
  argvStrings.push_back(argv0.empty() ? program.string() : argv0);
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argvPointers;
  for (auto& arg : argvStrings) argvPointers.push_back(arg.data());
  argvPointers.push_back(nullptr);
  std::vector<std::string> settings = environment;

  const int inFd = openOrThrow(inPath, O_RDONLY);
  const int outFd = openOrThrow(outPath, O_WRONLY | O_CREAT | O_TRUNC);
  const int errFd = openOrThrow(errPath, O_WRONLY | O_CREAT | O_TRUNC);

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::dup2(inFd, 0);
    ::dup2(outFd, 1);
    ::dup2(errFd, 2);
    if (::chdir(workingDir.c_str()) != 0) ::_exit(126);
    ::unsetenv("NO_COLOR");
    for (auto& setting : settings) ::putenv(setting.data());
    ::execv(program.c_str(), argvPointers.data());
    ::_exit(127);
  }
  ::close(inFd);
  ::close(outFd);
  ::close(errFd);

  int status = 0;
  if (::waitpid(pid, &status, 0) < 0) throw std::runtime_error("waitpid failed");

  ProcessResult result;
  result.out = readFile(outPath);
  result.err = readFile(errPath);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

void setEnvironment(const std::string& name, const std::string& value) { ::setenv(name.c_str(), value.c_str(), 1); }

void unsetEnvironment(const std::string& name) { ::unsetenv(name.c_str()); }

void installUnderName(const std::filesystem::path& program, const std::filesystem::path& name) {
  std::filesystem::create_symlink(program, name);
}

}  // namespace trot::test
