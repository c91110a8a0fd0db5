// trotspeak's lean reader gives the names, counts, arts and quotes that the
// codec reads, and fails where and as the codec fails, on every saved pony
// database input and on every truncation of one.
#include <gtest/gtest.h>

#include "fuzz/display/display_inputs.hpp"
#include "tests/support/fixtures.hpp"
#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

const std::filesystem::path kFuzzDir = TROT_FUZZ_DIR;

TEST(LeanReader, AgreesWithTheCodecOnEverySavedInput) {
  std::size_t inputs = 0;
  for (const std::string folder : {"corpus/lean_reader", "regressions/lean_reader"}) {
    if (!std::filesystem::is_directory(kFuzzDir / folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(kFuzzDir / folder)) {
      EXPECT_EQ(fuzz::problemWithLeanReader(test::readFile(entry.path())), "") << entry.path();
      ++inputs;
    }
  }
  EXPECT_GT(inputs, 0u);

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
