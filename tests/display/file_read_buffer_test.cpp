#include "display/file_read_buffer.hpp"

#include <gtest/gtest.h>

#include <istream>
#include <random>

#include "tests/support/temp_dir.hpp"

namespace trot {
namespace {

// Every read after every kind of seek gives what the file holds there,
// across block boundaries, at the end and beyond it.
TEST(FileReadBuffer, ReadsWhatTheFileHoldsAfterAnySeek) {
  test::TempDir dir;
  std::string bytes(5000, '\0');
  std::mt19937 random(42);
  for (auto& byte : bytes) byte = static_cast<char>(random());
  const auto path = dir.write("data.bin", bytes);

  FileReadBuffer buffer;
  ASSERT_TRUE(buffer.open(path));
  std::istream in(&buffer);
  EXPECT_EQ(in.seekg(0, std::ios::end).tellg(), 5000);

  for (int step = 0; step < 2000; ++step) {
    const auto at = static_cast<std::streamoff>(random() % 5100);
    const auto length = static_cast<std::size_t>(random() % 1500);
    in.clear();
    if (step % 3 == 0) {
      in.seekg(at);
    } else {
      // Relative seeks from the end and from the current position.
      in.seekg(at - 5000, std::ios::end);
      const auto here = in.tellg();
      in.seekg(0, std::ios::cur);
      ASSERT_EQ(in.tellg(), here);
    }
    std::string got(length, '\0');
    in.read(got.data(), static_cast<std::streamsize>(length));
    const auto expectedLength = at >= 5000 ? 0 : std::min<std::size_t>(length, 5000 - at);
    ASSERT_EQ(static_cast<std::size_t>(in.gcount()), expectedLength) << "at " << at;
    ASSERT_EQ(got.substr(0, expectedLength), bytes.substr(std::min<std::size_t>(at, 5000), expectedLength));
  }
}

TEST(FileReadBuffer, MissingFileAndNegativeSeek) {
  test::TempDir dir;
  FileReadBuffer missing;
  EXPECT_FALSE(missing.open(dir / "nothing.bin"));

  FileReadBuffer buffer;
  ASSERT_TRUE(buffer.open(dir.write("a.bin", "abc")));
  std::istream in(&buffer);
  in.seekg(-1);
  EXPECT_TRUE(in.fail());
  in.clear();
  EXPECT_EQ(in.get(), 'a');
}

}  // namespace
}  // namespace trot
