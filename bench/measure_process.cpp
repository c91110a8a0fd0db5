// Runs one command and prints its wall time in nanoseconds, its peak
// resident set in KiB and the processor time it used (user and system) in
// nanoseconds. A launcher this small keeps its own memory out of the
// child's peak, which a fork of a large interpreter would inflate.
//   measure_process <program> [args...]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <program> [args...]\n", argv[0]);
    return 2;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[1], &actions, nullptr, argv + 1, environ) != 0) {
    std::perror("posix_spawnp");
    return 2;
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  posix_spawn_file_actions_destroy(&actions);

  const auto nanoseconds = [](const timeval& time) {
    return static_cast<long long>(time.tv_sec) * 1000000000LL + static_cast<long long>(time.tv_usec) * 1000LL;
  };
  std::printf("%lld %ld %lld\n", static_cast<long long>(std::chrono::nanoseconds(elapsed).count()), usage.ru_maxrss,
              nanoseconds(usage.ru_utime) + nanoseconds(usage.ru_stime));
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
