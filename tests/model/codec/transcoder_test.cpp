#include "model/codec/transcoder.hpp"

#include <gtest/gtest.h>

#include "model/codec/transcoder_hook.hpp"
#include "tests/model/codec_support.hpp"

namespace trot {
namespace {

using namespace test;

// Messages without an offset and with one are in the damaged-database table.
TEST(Exceptions, ReportOffsetsAsSigned32Bits) {
  EXPECT_EQ(FileException(0xFFFFFFFE, "m").message(), "m at offset #-2");
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
