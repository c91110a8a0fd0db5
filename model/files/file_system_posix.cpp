#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>

#include "model/files/file_system.hpp"
#include "model/files/interruption_guard.hpp"

namespace trot {

namespace {

constexpr std::array kInterruptions{SIGINT, SIGTERM, SIGHUP};

// How much more is asked for once a file has outgrown the size it had.
constexpr std::size_t kReadChunk = 64 * 1024;

bool isLackOfRoom(int error) { return error == ENOSPC || error == EFBIG || error == EDQUOT; }

// The file size limit (ulimit -f) is checked here too, since not every file
// system checks it when room is reserved.
bool withinSizeLimit(std::size_t size) {
  struct rlimit limit {};
  return ::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || size <= limit.rlim_cur;
}

// Reserves the room for `size` bytes; on failure the file is as it was.
InPlaceOutcome reserve(int descriptor, std::size_t size, off_t oldSize) {
  if (!withinSizeLimit(size)) return InPlaceOutcome::kNoRoom;
  // Nothing to reserve for an empty file (and posix_fallocate refuses a
  // length of 0).
  if (size == 0) return InPlaceOutcome::kWritten;
  const int error = ::posix_fallocate(descriptor, 0, static_cast<off_t>(size));
  if (error == 0) return InPlaceOutcome::kWritten;
  // A failed reservation may have grown the file by what it did get.
  [[maybe_unused]] const int restored = ::ftruncate(descriptor, oldSize);
  return isLackOfRoom(error) ? InPlaceOutcome::kNoRoom : InPlaceOutcome::kCannotReserve;
}

// The reserved room takes the content; a shorter content cuts the old tail.
// On a copy-on-write file system an overwrite may still need room of its
// own, and then fails here.
bool writeAll(int descriptor, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::pwrite(descriptor, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<std::size_t>(wrote);
  }
  return ::ftruncate(descriptor, static_cast<off_t>(bytes.size())) == 0;
}

}  // namespace

InPlaceOutcome overwriteInPlace(const std::filesystem::path& path, std::string_view bytes) {
  const int descriptor = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (descriptor < 0) return InPlaceOutcome::kCannotOpen;
  struct stat status {};
  InPlaceOutcome outcome = ::fstat(descriptor, &status) == 0 ? reserve(descriptor, bytes.size(), status.st_size)
                                                             : InPlaceOutcome::kCannotReserve;
  if (outcome == InPlaceOutcome::kWritten) {
    holdInterruptions(true);
    const bool written = writeAll(descriptor, bytes);
    holdInterruptions(false);
    if (!written || ::fsync(descriptor) != 0) outcome = InPlaceOutcome::kCutShort;
  }
  ::close(descriptor);
  return outcome;
}

ReadOutcome readFileContent(const std::filesystem::path& path, std::string& bytes, std::uint64_t mostBytes) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return ReadOutcome::kCannotOpen;
  struct stat status {};
  const bool regular = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
  bytes.clear();
  if (regular && static_cast<std::uint64_t>(status.st_size) > mostBytes) {
    ::close(descriptor);
    return ReadOutcome::kTooLarge;
  }
  const std::size_t expected = regular ? static_cast<std::size_t>(status.st_size) : 0;
  ReadOutcome outcome = ReadOutcome::kRead;
  for (;;) {
    if (bytes.size() > mostBytes) {
      outcome = ReadOutcome::kTooLarge;
      break;
    }
    const std::size_t had = bytes.size();
    // One byte more than expected, so that the read that gives the last
    // byte also shows the end: a regular file falls short only there.
    const std::size_t wanted = had < expected ? expected - had + 1 : kReadChunk;
    bytes.resize(had + wanted);
    const ssize_t got = ::read(descriptor, bytes.data() + had, wanted);
    bytes.resize(had + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) outcome = ReadOutcome::kCannotRead;
    if (got <= 0 || (regular && bytes.size() >= expected && static_cast<std::size_t>(got) < wanted)) break;
  }
  const int reason = errno;
  ::close(descriptor);
  errno = reason;
  return outcome;
}

bool syncToDisk(const std::filesystem::path& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool synced = ::fsync(descriptor) == 0;
  const int reason = errno;
  ::close(descriptor);
  errno = reason;
  return synced;
}

void copyModeAndOwner(const std::filesystem::path& original, const std::filesystem::path& copy) {
  struct stat status {};
  if (::stat(original.c_str(), &status) != 0) return;
  // Owner first: changing it may clear the set-id bits that chmod then restores.
  if (::chown(copy.c_str(), status.st_uid, status.st_gid) != 0) {
    [[maybe_unused]] const int groupOnly = ::chown(copy.c_str(), static_cast<uid_t>(-1), status.st_gid);
  }
  [[maybe_unused]] const int changed = ::chmod(copy.c_str(), status.st_mode & 07777);
}

void giveNewFileMode(const std::filesystem::path& path) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  [[maybe_unused]] const int changed = ::chmod(path.c_str(), 0666 & ~mask);
}

bool createNewFile(const std::filesystem::path& path) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (descriptor < 0) return false;
  ::close(descriptor);
  return true;
}

bool moveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

long currentProcessId() { return static_cast<long>(::getpid()); }

bool processIsGone(long processId) {
  return processId > 0 && ::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}

void installInterruptionHandler(SignalHandler handler) {
  for (const int signal : kInterruptions) {
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) != 0) continue;
    // A signal that the caller chose to ignore (nohup) stays ignored.
    if (previous.sa_handler == SIG_IGN) continue;
    std::signal(signal, handler);
  }
}

// The handler stays installed while it runs.
void keepInterruptionHandler(int, SignalHandler) {}

void removeFileFromHandler(const char* path) { ::unlink(path); }

}  // namespace trot
