#include "display/platform/file_read_buffer.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <istream>
#include <random>
#include <thread>

#include "model/codec/transcoder.hpp"
#include "model/exception.hpp"
#include "tests/support/temp_dir.hpp"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#endif

namespace trot {
namespace {

// Where the system lets go of a file on request, the file starts out of its
// cache, so that the first read finds it missing.
void dropFromCache(const std::filesystem::path& path) {
#ifdef POSIX_FADV_DONTNEED
  const int descriptor = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(descriptor, 0);
  ::fsync(descriptor);
  ::posix_fadvise(descriptor, 0, 0, POSIX_FADV_DONTNEED);
  ::close(descriptor);
#else
  static_cast<void>(path);
#endif
}

// Runs `use` on a buffer opened over `bytes`: first in a regular file, then,
// where there are FIFOs, in a pipe, which the buffer reads whole.
void forEachSource(const std::string& bytes, const std::function<void(FileReadBuffer&)>& use) {
  test::TempDir dir;
  {
    const auto file = dir.write("data.bin", bytes);
    dropFromCache(file);
    FileReadBuffer buffer;
    ASSERT_TRUE(buffer.open(file));
    use(buffer);
  }
#ifndef _WIN32
  const auto fifo = dir / "pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << bytes; });
  FileReadBuffer buffer;
  const bool opened = buffer.open(fifo);
  writer.join();
  ASSERT_TRUE(opened);
  SCOPED_TRACE("through a pipe");
  use(buffer);
#endif
}

// Every read after every kind of seek gives what the file holds there,
// across block boundaries, at the end and beyond it; there is nothing
// before the start, nor in a missing file.
TEST(FileReadBuffer, ReadsWhatTheFileHoldsAfterAnySeek) {
  std::string bytes(5000, '\0');
  std::mt19937 random(42);
  for (auto& byte : bytes) byte = static_cast<char>(random());
  EXPECT_FALSE(FileReadBuffer().open(test::TempDir() / "missing.bin"));
  forEachSource(bytes, [&](FileReadBuffer& buffer) {
    // The first read finds the file out of the cache and asks for all of it.
    buffer.prefetchWhole(bytes.size());
    std::istream in(&buffer);
    EXPECT_TRUE(in.seekg(-1).fail());  // and moves nothing
    in.clear();
    EXPECT_EQ(in.peek(), static_cast<unsigned char>(bytes[0]));
    EXPECT_EQ(in.seekg(0, std::ios::end).tellg(), 5000);

    for (int step = 0; step < 1000; ++step) {
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
      // Blocks of every size, from one byte to more than the file.
      buffer.readAhead(static_cast<std::size_t>(random() % 6000));
    }
  });
}

// Bytes read over and over are charged however they are reached, and the
// read after the budget is spent is refused.
TEST(FileReadBuffer, BytesReadAgainAndAgainAreChargedToTheBudget) {
  const std::string bytes(100, 'x');
  const std::uint64_t budget = Transcoder::readBudget(bytes.size());
  forEachSource(bytes, [&](FileReadBuffer& buffer) {
    std::istream in(&buffer);
    std::uint64_t read = 0;
    std::string failure;
    try {
      for (int round = 0; failure.empty() && read <= 2 * budget; ++round) {
        in.seekg(round % 2 == 0 ? 0 : 50);
        while (buffer.sbumpc() != std::char_traits<char>::eof()) ++read;
      }
    } catch (const Exception& refused) {
      failure = refused.message();
    }
    EXPECT_EQ(failure, "Failed to parse input file, its records are referred to too often");
    EXPECT_GT(read, budget);
    EXPECT_LE(read, budget + bytes.size());
  });
}

}  // namespace
}  // namespace trot
