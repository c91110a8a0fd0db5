// trotspeak run as a process: exit statuses and exact bytes on both streams.
#include <gtest/gtest.h>

#include <regex>

#include "tests/support/golden.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

using test::runProgram;

TEST(TrotspeakCli, HelpWinsOverVersion) {
  test::TempDir dir;
  const auto result = runProgram(TROTSPEAK_PATH, {"-h", "-v"}, dir.path());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_GOLDEN("display/help.txt", result.out);
}

TEST(TrotspeakCli, VersionAlonePrintsOnlyTheBuildDate) {
  test::TempDir dir;
  const auto result = runProgram(TROTSPEAK_PATH, {"--version"}, dir.path());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(std::regex_match(result.out, std::regex(R"(Build date: \d\d/\d\d/\d{4} \d\d:\d\d\.\d\d\n)")))
      << result.out;
}

TEST(TrotspeakCli, DebugTraceGoesToStandardOutput) {
  test::TempDir dir;
  const auto result = runProgram(TROTSPEAK_PATH, {"-d", "-v"}, dir.path());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out.rfind("DEBUG: 3 Arg Count\nDEBUG: 1   -d\nDEBUG: 2   -v\nBuild date: ", 0), 0u) << result.out;
}

}  // namespace
}  // namespace trot
