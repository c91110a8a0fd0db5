// Writing over what only a POSIX file system has: links, FIFOs, modes,
// other processes' leftovers and signals.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include "model/files/file_io.hpp"
#include "tests/model/codec_support.hpp"

namespace trot {
namespace {

using namespace test;

std::string temporaryOf(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with(".trot-")) return entry.path().filename().string();
  }
  return {};
}

// What the file system holds after writing "new" to each kind of target.
TEST(FileIo, ReplacesOnlyRegularFilesAndKeepsWhatTheyWere) {
  TempDir dir;
  const auto write = [](std::ostream& out) { out << "new"; };

  const auto secret = dir.write("secret", "old");
  std::filesystem::permissions(secret, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  const auto linked = dir.write("real/target", "old");
  std::filesystem::create_symlink("real/target", dir / "link");
  std::filesystem::create_hard_link(secret, dir / "secret_twin");
  const std::string longName(240, 'n');
  for (const auto& path : {secret, dir / "link", dir / longName}) writeFileAtomically(path, write);

  EXPECT_EQ(std::filesystem::status(secret).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
  EXPECT_EQ(readFile(linked), "new");
  EXPECT_EQ(readFile(dir / longName), "new");
  EXPECT_EQ(readFile(secret), "new");
  EXPECT_EQ(readFile(dir / "secret_twin"), "new");

  // A FIFO is written through to its reader, and stays a FIFO.
  const auto fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = readFile(fifo); });
  writeFileAtomically(fifo, write);
  reader.join();
  EXPECT_EQ(received, "new");
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  writeFileAtomically("/dev/null", write);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

  // A socket is refused and stays a socket.
  const auto socketPath = dir / "socket";
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.string().copy(address.sun_path, sizeof address.sun_path - 1);
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  EXPECT_EQ(failureOf([&] { writeFileAtomically(socketPath, write); }),
            "File: Failed to open file for writing '" + socketPath.string() + "': it is a socket");
  EXPECT_TRUE(std::filesystem::is_socket(socketPath));
  ::close(socket);

  EXPECT_EQ(temporaryOf(dir.path()), "");
}

// A temporary left by a run that was killed is removed by the next write of
// the same target; one of a process that still runs is not.
TEST(FileIo, LeftoverTemporariesOfEndedRunsAreRemoved) {
  TempDir dir;
  // A temporary's name depends on the target's name, not on its folder.
  std::string ours;
  std::filesystem::create_directories(dir / "probe");
  writeFileAtomically(dir / "probe/ponies.bin", [&](std::ostream&) { ours = temporaryOf(dir / "probe"); });
  const std::string hashPart = ours.substr(ours.find('-', 6));

  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ::waitpid(ended, nullptr, 0);
  const auto stale = dir.write(".trot-" + std::to_string(ended) + hashPart, "stale");
  const auto running = dir.write(".trot-" + std::to_string(::getppid()) + hashPart, "busy");
  const auto otherTarget = dir.write(".trot-" + std::to_string(ended) + "-00000000.tmp", "other");

  writeFileAtomically(dir / "ponies.bin", [](std::ostream& out) { out << "new"; });
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(running));
  EXPECT_TRUE(std::filesystem::exists(otherTarget));
}

TEST(FileIo, InterruptedWriteRemovesItsTemporary) {
  TempDir dir;
  const auto target = dir.write("ponies.bin", "previous");
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    const pid_t writer = ::fork();
    if (writer == 0) {
      try {
        writeFileAtomically(target, [&](std::ostream& out) {
          out << "partial" << std::flush;
          std::raise(signal);
        });
      } catch (...) {
      }
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(temporaryOf(dir.path()), "");
    EXPECT_EQ(readFile(target), "previous");
  }
}

}  // namespace
}  // namespace trot
