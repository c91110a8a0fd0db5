#include "model/files/file_io.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

#include "model/character_group.hpp"
#include "tests/model/codec_support.hpp"

namespace trot {
namespace {

using namespace test;

std::size_t entriesIn(const std::filesystem::path& folder) {
  const std::filesystem::directory_iterator entries(folder);
  return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

TEST(FileIo, FailedWritesLeaveThePreviousFileAndNoTemporary) {
  TempDir dir;
  const auto path = dir.write("ponies.bin", "previous");
  CharacterGroup group;
  group.addCharacter().quotes.push_back(std::make_shared<QuoteHook>());
  EXPECT_THROW(saveToFile(group, path), NullException);
  const auto halfway = [](std::ostream& out) {
    out << "partial";
    throw std::runtime_error("disk on fire");
  };
  EXPECT_THROW(writeFileAtomically(path, halfway), std::runtime_error);
  EXPECT_EQ(failureOf([&] { writeFileAtomically(path, [](std::ostream& out) { out.setstate(std::ios::badbit); }); }),
            "File: Failed to write file '" + path.string() + "'");
  std::filesystem::create_directories(dir / "taken" / "inside");
  EXPECT_EQ(failureOf([&] { writeFileAtomically(dir / "taken", [](std::ostream& out) { out << "x"; }); }),
            "File: Failed to open file for writing '" + (dir / "taken").string() + "': it is a folder");
  EXPECT_EQ(readFile(path), "previous");
  EXPECT_EQ(entriesIn(dir.path()), 2u);

  writeFileAtomically(path, [](std::ostream& out) { out << "new"; });
  EXPECT_EQ(readFile(path), "new");
  EXPECT_EQ(entriesIn(dir.path()), 2u);
}

}  // namespace
}  // namespace trot
