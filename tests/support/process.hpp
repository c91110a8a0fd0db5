// Runs a built program as a separate process, the way a user would.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Cases that drive the programs through /bin/sh, /dev/full or symbolic links
// have nothing to run on Windows.
// Cases that run a program as another user or mount a file system need
// root on a POSIX system; `why` says what for.
#ifdef _WIN32
#define TROT_SKIP_WITHOUT_POSIX_SHELL() GTEST_SKIP() << "needs a POSIX shell and file system"
#define TROT_SKIP_UNLESS_ROOT(why) GTEST_SKIP() << "needs POSIX users and mounts"
#else
#include <unistd.h>
#define TROT_SKIP_WITHOUT_POSIX_SHELL() static_cast<void>(0)
#define TROT_SKIP_UNLESS_ROOT(why) \
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, " why
#endif

namespace trot::test {

struct ProcessResult {
  std::string out;
  std::string err;
  int status = 0;  // the exit status as a POSIX shell sees it (0..255)
};

// Runs `program` with `args` in `workingDir`, feeding `input` on standard
// input. argv[0] is `argv0` when given, else the program path. The program
// gets the test's environment without NO_COLOR, plus the "NAME=value"
// entries of `environment`.
ProcessResult runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workingDir, const std::string& input = "",
                         const std::string& argv0 = "", const std::vector<std::string>& environment = {});

#ifndef _WIN32
// Runs `program` with a pseudo-terminal of `columns` columns and `rows` rows
// as its standard output, as in a terminal window, and `environment` ("NAME=value" entries)
// as all of its environment. What reaches the terminal comes back byte for
// byte in `out` (the terminal adds no carriage returns).
ProcessResult runInTerminal(const std::filesystem::path& program, const std::vector<std::string>& args,
                            const std::filesystem::path& workingDir, const std::vector<std::string>& environment,
                            unsigned short columns = 80, unsigned short rows = 50);
#endif

// Sets or removes a variable of this process's environment, which the
// programs it starts inherit.
void setEnvironment(const std::string& name, const std::string& value);
void unsetEnvironment(const std::string& name);

}  // namespace trot::test
