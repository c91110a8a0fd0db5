// Exact byte comparisons, against literals or golden files under
// tests/golden/, that point at the first differing byte on failure.
#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace trot::test {

::testing::AssertionResult sameBytes(std::string_view expected, std::string_view actual);

// The bytes with escapes and controls written out (\e, \xhh, \n unless
// line ends are kept, and a doubled backslash), for transcripts a reader
// can check.
std::string visible(std::string_view bytes, bool keepLineEnds = false);

// Compares with tests/golden/<name>. With TROT_UPDATE_GOLDEN=1 in the
// environment the file is rewritten instead (review the diff afterwards).
::testing::AssertionResult matchesGolden(const std::string& name, std::string_view actual);

}  // namespace trot::test

#define EXPECT_BYTES(expected, actual) EXPECT_TRUE(::trot::test::sameBytes((expected), (actual)))
#define EXPECT_GOLDEN(name, actual) EXPECT_TRUE(::trot::test::matchesGolden((name), (actual)))
