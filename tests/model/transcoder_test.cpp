#include "model/transcoder.hpp"

#include <gtest/gtest.h>

#include "model/transcoder_hook.hpp"
#include "tests/model/codec_support.hpp"

namespace trot {
namespace {

using namespace test;

TEST(Primitives, TagsStopAtTheFirstDifferenceAndShortValuesKeepWhatWasRead) {
  struct Case {
    std::string input;
    bool matches;
    std::streamoff position;  // -1: the stream ended and reports none
  };
  for (const auto& c : {Case{"qtex", true, 3}, Case{"qtx", false, 3}, Case{"xte", false, 1}, Case{"qt", false, -1}}) {
    auto in = streamOf(c.input);
    EXPECT_EQ(Transcoder::expectTag(in, "qte"), c.matches) << c.input;
    EXPECT_EQ(static_cast<std::streamoff>(in.tellg()), c.position) << c.input;
  }
  auto in = streamOf(bytes({0x11, 0x22}));
  std::uint32_t cut = 0xFFFFFFFF;
  EXPECT_EQ(failureOf([&] { Transcoder::readRaw(in, cut); }), "Null: Failed to parse input file, invalid format? at #");
  EXPECT_EQ(cut, 0xFFFF2211u);
}

TEST(Exceptions, ReportFormatAndOffsetsAsSigned32Bits) {
  EXPECT_EQ(FileException(-1, "m").message(), "m");
  EXPECT_EQ(FileException(0, "m").message(), "m at offset #0");
  EXPECT_EQ(FileException(0xFFFFFFFE, "m").message(), "m at offset #-2");
  std::ostringstream out;
  NullException("abc").print(out);
  EXPECT_EQ(out.str(), "Null error: abc:\n");
}

TEST(TranscoderHook, ReadsFromItsPositionOrRemembersTheCurrentOne) {
  // The second quote's text runs to the end of the stream, which is allowed
  // and must not keep the first from being reached afterwards.
  auto in = streamOf("..qtea" + bytes({0}) + "qteb");
  in.seekg(2);
  QuoteHook first;
  first.load(in);
  EXPECT_EQ(first.decodeOffset, 2u);
  QuoteHook last;
  last.decodeOffset = 7;
  last.load(in);
  EXPECT_EQ(last.get().text, "b");
  first.load(in);
  EXPECT_EQ(first.get().text, "a");
}

}  // namespace
}  // namespace trot
