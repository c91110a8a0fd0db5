// Every saved input of the fuzz targets, the seeds (most written by the
// encoder in the codec tests; each must be accepted) and the inputs that once
// failed, is replayed here.
#include <gtest/gtest.h>

#include "fuzz/model/model_inputs.hpp"
#include "tests/support/fuzz_replay.hpp"

namespace trot {
namespace {

using Exercise = fuzz::Outcome (*)(std::string_view);
const std::filesystem::path kFuzzDir = TROT_FUZZ_DIR;

void replay(const std::string& target, Exercise exercise) {
  const auto seeds = test::replaySavedInputs(target, [&](const auto& path, const std::string& bytes, bool isSeed) {
    const auto outcome = exercise(bytes);
    EXPECT_EQ(outcome.problem, "") << path;
    EXPECT_TRUE(outcome.accepted || !isSeed) << path;  // every seed is a sound input
  });
  EXPECT_GT(seeds, 0u);
}

TEST(FuzzInputs, SavedPonyDatabasesHoldEveryInvariant) { replay("ponydb", fuzz::exercisePonyDatabase); }
TEST(FuzzInputs, SavedBubbleStylesHoldEveryInvariant) { replay("bubbles", fuzz::exerciseBubbleStyle); }

TEST(FuzzInputs, EveryTruncationIsRejectedCleanly) {
  const std::pair<const char*, Exercise> seeds[] = {{"ponydb/shared.bin", fuzz::exercisePonyDatabase},
                                                    {"bubbles/both.bin", fuzz::exerciseBubbleStyle}};
  for (const auto& [seed, exercise] : seeds) {
    const std::string whole = test::readFile(kFuzzDir / "corpus" / seed);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
      EXPECT_EQ(exercise(std::string_view(whole).substr(0, cut)).problem, "") << seed << " cut at " << cut;
    }
  }
}

}  // namespace
}  // namespace trot
