// trotconv run as a process: the start-up escape and the usage screen.
#include <gtest/gtest.h>

#include "tests/support/golden.hpp"
#include "tests/support/process.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

const std::string kStartup = "\x1b[38;2;1;2;3m";

TEST(TrotconvCli, UsageScreenForTooFewArguments) {
  test::TempDir dir;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"convertall"}, {"convertall", "in"}}) {
    const auto result = test::runProgram(TROTCONV_PATH, args, dir.path(), "", "./trotconv");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_GOLDEN("converter/usage.txt", result.out);
  }
}

}  // namespace
}  // namespace trot
