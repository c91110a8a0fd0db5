// trotspeak run as a process, for what only a process shows: exit statuses
// through a shell, pipes and closed descriptors, another user, a real
// terminal, and the data folder compiled into the program. Which pony, art
// and text a run chooses is tested in-process (main_flow_test.cpp).
#include <gtest/gtest.h>

#include "model/files/file_io.hpp"
#include "model/user_folders.hpp"
#include "tests/display/flow/run_in_process.hpp"
#include "tests/display/flow/sample_ponies.hpp"
#include "tests/support/fixtures.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

using test::kSamplePonies;

// A copy of trotspeak in a folder of its own, so that no resources sit next
// to it or in an install location above it, and an environment with no user
// or system data folder, no extra path and no seed.
class TrotspeakProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    test::setEnvironment("HOME", (dir / "home").string());
    test::setEnvironment("XDG_DATA_DIRS", (dir / "system").string());
    for (const char* name : {"XDG_DATA_HOME", "TROTSPEAK_PATH", "TROTSPEAK_SEED"}) test::unsetEnvironment(name);
    std::filesystem::create_directories(dir / "bin");
    program = dir / "bin" / std::filesystem::path(TROTSPEAK_PATH).filename();
    std::filesystem::copy_file(TROTSPEAK_PATH, program);
    test::writeDatabase(kSamplePonies, dir / "resources/ponies.bin");
    test::writeBubbleStyle(dir / "resources/bubbles/ascii.bin", true, true);
  }

  test::TempDir dir;
  std::filesystem::path program;
};

// Output that never arrives, and input that cannot be read, are failures;
// a reader that went away early is not worth a word.
TEST_F(TrotspeakProcess, WriteAndReadErrorsAreReportedButAClosedPipeIsNot) {
  TROT_SKIP_WITHOUT_POSIX_SHELL();
  const std::string speak = "\"$0\" -p yarrow";
  const std::tuple<std::string, int, std::string> cases[] = {
      {"exec " + speak + " hi >/dev/full", 255, "trotspeak: write error: No space left on device\n"},
      {"exec " + speak + " hi >&-", 255, "trotspeak: write error: Bad file descriptor\n"},
      {"exec " + speak + " - <.", 255, ":( File error: Failed to read standard input: Is a directory\n"},
      {"exec " + speak + " - <&-", 255, ":( File error: Failed to read standard input: Bad file descriptor\n"},
      {"exec " + speak + " <&-", 0, ""},  // no input given: no message
      {"exec " + speak + " -c . hi", 255, ":( File error: Failed to open file '.': Is a directory\n"},
      {"head -c 300000 /dev/zero | tr '\\0' a | " + speak + " - | exit 0", 0, ""},
      {"trap '' PIPE; head -c 300000 /dev/zero | tr '\\0' a | " + speak + " - | exit 0", 0, ""},
  };
  for (const auto& [command, status, err] : cases) {
    const auto result = test::runProgram("/bin/sh", {"-c", command, TROTSPEAK_PATH}, dir.path());
    EXPECT_EQ(result.status, status) << command;
    EXPECT_EQ(result.err, err) << command;
  }
}

// A database that cannot seek, such as a pipe, is read whole and serves as
// the file itself does.
TEST_F(TrotspeakProcess, DatabaseThroughAPipe) {
  TROT_SKIP_WITHOUT_POSIX_SHELL();
  for (const std::string args : {"-l", "-p xena -a xena_b hello", "-l -a xena_a", "-p nobody"}) {
    const auto run = [&](const std::string& command) {
      const auto result = test::runProgram("/bin/sh", {"-c", command + args, TROTSPEAK_PATH}, dir.path());
      return std::to_string(result.status) + "\n" + result.err + result.out;
    };
    EXPECT_EQ(run("cat resources/ponies.bin | \"$0\" -c /dev/stdin "), run("\"$0\" -c resources/ponies.bin ")) << args;
  }
}

// Folders that cannot be listed, for a user who is not root: each is
// reported once and left out, and the run goes on with the rest.
TEST_F(TrotspeakProcess, UnreadableSourceFoldersAreReportedAndLeftOut) {
  TROT_SKIP_UNLESS_ROOT("to run trotspeak as another user");
  const std::filesystem::path setpriv = "/usr/bin/setpriv";
  if (!std::filesystem::exists(setpriv)) GTEST_SKIP() << "needs " << setpriv;
  dir.write("own1/ponies/tulip.pony", "$$$\nNAME: Tulip\n$$$\n\xe2\x96\x80\n");
  dir.write("own2/ponies/iris.pony", "$$$\nNAME: Iris\n$$$\n\xe2\x96\x80\n");
  dir.write("own2/quotes/iris", "iris.\nHello");
  test::setEnvironment("TROTSPEAK_PATH", "own1" + std::string(1, kPathListSeparator) + "own2");
  using std::filesystem::perms;
  std::filesystem::permissions(dir.path(), perms::others_read | perms::others_exec, std::filesystem::perm_options::add);
  for (const char* folder : {"own1/ponies", "own2/quotes"}) std::filesystem::permissions(dir / folder, perms::none);
  const auto asNobody = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups", program.string()});
    return test::runProgram(setpriv, args, dir.path());
  };
  const std::string reports =
      "Failed to process pony art folder '\"own1/ponies\"': File error: Failed to open folder: Permission denied\n"
      "Failed to process pony quote folder '\"own2/quotes\"': File error: Failed to open folder: Permission denied\n";
  const auto result = asNobody({"--list-names"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, reports);
  EXPECT_BYTES("Xena\nYarrow\nZed\nAbcdefghijkl\nTwentyBytesLongName!\nIris\n", result.out);
  EXPECT_EQ(asNobody({"-p", "iris", "-o"}).status, 0);
}

// A trotspeak built with its data folder in the build tree and copied to a
// bare folder: only the folder fixed at build time leads it to its ponies.
TEST_F(TrotspeakProcess, FindsTheDataFolderFixedAtBuildTime) {
  const std::filesystem::path data = TROT_ELSEWHERE_DATA_FOLDER;
  std::filesystem::remove_all(data);
  test::writeDatabase(kSamplePonies, data / "ponies.bin");
  test::writeBubbleStyle(data / "bubbles/ascii.bin", true, true);
  test::TempDir bare;
  const auto copy = bare.path() / std::filesystem::path(TROTSPEAK_ELSEWHERE_PATH).filename();
  std::filesystem::copy_file(TROTSPEAK_ELSEWHERE_PATH, copy);
  const auto result = test::runProgram(copy, {"-p", "yarrow", "hey"}, bare.path());
  std::filesystem::remove_all(data);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_GOLDEN("display/yarrow_say_hey.txt", result.out);
}

#ifndef _WIN32
// A real terminal: the colours its environment claims and the width it
// reports reach the run as the in-process tests hand them over.
TEST_F(TrotspeakProcess, ARealTerminalIsSeenAsTheInProcessRunsSeeIt) {
  std::filesystem::copy(TROT_DISPLAY_FIXTURES, dir / "resources/ponies");
  const std::vector<std::string> args = {"-p", "wren", "-a", "wren_narrow", std::string(60, 'w')};
  const std::string system = (dir / "system").string();
  const auto real =
      test::runInTerminal(program, args, dir.path(), {"TERM=xterm-256color", "XDG_DATA_DIRS=" + system}, 24);
  EXPECT_EQ(real.status, 0) << real.err;
  EXPECT_NE(real.out.find("\x1b[38;5;"), std::string::npos) << real.out;
  test::World world{{{"TERM", "xterm-256color"}, {"XDG_DATA_DIRS", system}}, "", 24, 50, dir / "bin"};
  EXPECT_BYTES(test::runInProcess(dir.path(), args, world).out, real.out);
}
#endif

}  // namespace
}  // namespace trot
