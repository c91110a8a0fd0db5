// trotspeak's lean reader gives the names, counts, arts and quotes that the
// codec reads, and fails where and as the codec fails, on every saved pony
// database input and on every truncation of one.
#include <gtest/gtest.h>

#include "fuzz/display/display_inputs.hpp"
#include "tests/support/fixtures.hpp"
#include "tests/support/fuzz_replay.hpp"

namespace trot {
namespace {

TEST(LeanReader, AgreesWithTheCodecOnEverySavedInput) {
  const auto seeds = test::replaySavedInputs("lean_reader", [](const auto& path, const std::string& bytes, bool) {
    EXPECT_EQ(fuzz::problemWithLeanReader(bytes), "") << path;
  });
  EXPECT_GT(seeds, 0u);

  // Ponies with several arts and quotes, cut short anywhere.
  test::TempDir dir;
  test::writeDatabase({{"Xena", {"xena_a", "xena_b"}, {"hi", "A\r\nB"}}, {"Yarrow", {"yarrow_a"}, {}}, {"Zed", {}, {"z"}}},
                      dir / "ponies.bin");
  const std::string whole = test::readFile(dir / "ponies.bin");
  for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
    ASSERT_EQ(fuzz::problemWithLeanReader(std::string_view(whole).substr(0, cut)), "") << "cut at " << cut;
  }
}

}  // namespace
}  // namespace trot
